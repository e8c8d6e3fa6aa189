// The XML layer every configuration file goes through: a document it reads
// is saved as a text that reads back to the same document, and every
// element's text can be collected whatever the nesting.

#include <vector>

#include "FuzzSupport.h"
#include "platform/XmlDom.h"

namespace {

// Visits every element without recursion, so the harness itself copes
// with any depth the parser accepts.
template <typename F>
void EachElement(const plat::TXmlNode& root, F&& visit) {
    std::vector<plat::TXmlNode> pending{root};
    while (!pending.empty()) {
        const plat::TXmlNode node = pending.back();
        pending.pop_back();
        visit(node);
        for (int i = node.ChildCount() - 1; i >= 0; --i) pending.push_back(node.Child(i));
    }
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
    EachElement(root, [&](const plat::TXmlNode&) { ++elements; });

    const std::string saved = doc.SaveToString();
    plat::TXmlDocument again;
    FUZZ_REQUIRE(again.LoadFromString(saved, &error), error + "\n" + saved);
    FUZZ_REQUIRE(again.SaveToString() == saved, saved);
    size_t elementsAgain = 0;
    EachElement(again.Root(), [&](const plat::TXmlNode&) { ++elementsAgain; });
    FUZZ_REQUIRE(elementsAgain == elements, saved);
    return 0;
}
