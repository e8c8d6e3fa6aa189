#include "platform/XmlWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/XmlDom.h"

using plat::TXmlDocument;
using plat::TXmlNode;
using plat::TXmlWriter;

namespace {

std::string EveryByte() {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    return all;
}

// One tree as steps, so the same tree is written through the writer and
// built as a document: the writer must give the document's own bytes.
struct TStep {
    enum { Start, Attr, End, Comment } kind;
    std::string name;
    std::string value;
};

std::string ThroughWriter(const std::vector<TStep>& steps) {
    TXmlWriter out;
    for (const TStep& s : steps) {
        switch (s.kind) {
            case TStep::Start: out.StartElement(s.name); break;
            case TStep::Attr: out.Attribute(s.name, s.value); break;
            case TStep::End: out.EndElement(); break;
            case TStep::Comment: out.Comment(s.name); break;
        }
    }
    return out.Take();
}

std::string ThroughDocument(const std::vector<TStep>& steps) {
    TXmlDocument doc;
    std::vector<TXmlNode> open;
    for (const TStep& s : steps) {
        switch (s.kind) {
            case TStep::Start:
                open.push_back(open.empty() ? doc.AddRoot(s.name) : open.back().AddChild(s.name));
                break;
            case TStep::Attr: open.back().AppendAttribute(s.name, s.value); break;
            case TStep::End: open.pop_back(); break;
            case TStep::Comment: doc.AddComment(s.name); break;
        }
    }
    return doc.SaveToString();
}

}  // namespace

TEST(XmlWriter, WritesTheDocumentsOwnBytes) {
    using S = TStep;
    const struct {
        const char* name;
        std::vector<TStep> steps;
    } cases[] = {
        {"bare root", {{S::Start, "Root"}, {S::End}}},
        {"root with attributes", {{S::Start, "Root"}, {S::Attr, "a", "1"}, {S::Attr, "b", ""}, {S::End}}},
        {"nesting and childless elements",
         {{S::Start, "Root"},
          {S::Start, "List"},
          {S::Start, "Item"},
          {S::Attr, "x", "1"},
          {S::Start, "Empty"},
          {S::End},
          {S::End},
          {S::Start, "Item"},
          {S::End},
          {S::End},
          {S::Start, "Other"},
          {S::Attr, "y", "2"},
          {S::End},
          {S::End}}},
        {"every byte in a value", {{S::Start, "Root"}, {S::Attr, "v", EveryByte()}, {S::End}}},
        {"markup and references",
         {{S::Start, "Root"}, {S::Attr, "v", "a<b>&amp;\"'\r\n\t"}, {S::Attr, "w", "\xC3\xA9\xFF"}, {S::End}}},
        {"a NUL ends the value", {{S::Start, "Root"}, {S::Attr, "v", std::string("ab\0cd", 5)}, {S::End}}},
        {"comment after the root",
         {{S::Start, "Root"}, {S::Start, "A"}, {S::End}, {S::End}, {S::Comment, "SW_VERSION = 1.000"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ThroughWriter(c.steps), ThroughDocument(c.steps)) << c.name;
}

// A caller that stops early still gets well-formed text: every element it
// left open is ended, innermost first, and a comment waits for the root.
TEST(XmlWriter, OpenElementsAreEndedForIt) {
    TXmlWriter out;
    out.StartElement("Root");
    out.StartElement("List");
    out.StartElement("Item");
    out.Attribute("k", "v");
    out.Comment("c");
    EXPECT_EQ(out.Take(), "<Root>\n  <List>\n    <Item k=\"v\" />\n  </List>\n</Root>\n<!--c-->\n");
}
