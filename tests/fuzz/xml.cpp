// The XML layer every configuration file goes through: a document it reads
// is saved as a text that reads back to the same document, and every
// element's text can be collected whatever the nesting.

#include <algorithm>
#include <vector>

#include "FuzzSupport.h"
#include "platform/XmlDom.h"

namespace {

// Visits every element without recursion, so the harness itself copes
// with any depth the parser accepts.
// Returns the deepest level seen.
template <typename F>
size_t EachElement(const plat::TXmlNode& root, F&& visit) {
    std::vector<std::pair<plat::TXmlNode, size_t>> pending{{root, 1}};
    size_t deepest = 0;
    while (!pending.empty()) {
        const auto [node, level] = pending.back();
        pending.pop_back();
        visit(node);
        deepest = std::max(deepest, level);
        for (int i = node.ChildCount() - 1; i >= 0; --i) pending.emplace_back(node.Child(i), level + 1);
    }
    return deepest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    plat::TXmlDocument doc;
    std::string error;
    if (!doc.LoadFromString(fuzz::Bytes(data, size), &error)) {
        FUZZ_REQUIRE(!error.empty(), "a refused text says why");
        FUZZ_REQUIRE(doc.Root().IsNull(), "a refused text leaves the document empty");
        return 0;
    }
    const plat::TXmlNode root = doc.Root();
    FUZZ_REQUIRE(!root.IsNull(), "a read document has a root");
    (void)root.Text();
    size_t elements = 0;
    const size_t depth = EachElement(root, [&](const plat::TXmlNode&) { ++elements; });
    // Saving indents every level, so the saved text of a very deep file
    // grows with the square of its depth; the round trip is left to
    // documents of a depth a configuration file has.
    if (depth > 1000) return 0;

    const std::string saved = doc.SaveToString();
    plat::TXmlDocument again;
    FUZZ_REQUIRE(again.LoadFromString(saved, &error), error + "\n" + saved);
    FUZZ_REQUIRE(again.SaveToString() == saved, saved);
    size_t elementsAgain = 0;
    EachElement(again.Root(), [&](const plat::TXmlNode&) { ++elementsAgain; });
    FUZZ_REQUIRE(elementsAgain == elements, saved);
    return 0;
}
