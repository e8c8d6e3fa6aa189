#pragma once
// The XML document the windows load and save their configuration files with.
// Reading tolerates an XML declaration, comments and blanks before the root:
// the root is the first element. Saving writes the root element first and the
// top-level comments after it, no declaration, UTF-8, indented; the file is
// replaced atomically, so a failed save leaves the old file as it was.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

class TXmlDocument;

// A handle to an element of a TXmlDocument (cheap to copy; valid while the
// document holds the element). A null handle answers every query emptily.
class TXmlNode {
public:
    TXmlNode() = default;
    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return node_ != nullptr; }

    std::string Name() const;
    std::string Text() const;  // the element's text content
    void SetText(std::string_view text);

    // Child elements only (text and comments are skipped).
    int ChildCount() const;
    TXmlNode Child(int index) const;              // null when out of range
    TXmlNode FindNode(std::string_view name) const;  // first child element of that name
    // Element siblings in order, for walking long lists without counting
    // from the start each time: FirstChild, then NextSibling until null.
    TXmlNode FirstChild() const;
    TXmlNode NextSibling() const;
    TXmlNode AddChild(std::string_view name);
    // Whether the element's name without a namespace prefix is name
    // ("scl:LN" and "LN" both have the local name "LN").
    bool HasLocalName(std::string_view name) const;

    bool HasAttribute(std::string_view name) const;
    // False and value untouched when missing.
    bool GetAttribute(std::string_view name, std::string& value) const;
    std::string Attribute(std::string_view name, std::string_view def = "") const;
    // The attribute's value, empty when missing; valid while the node is.
    std::string_view AttributeView(std::string_view name) const;
    // The same, telling a missing attribute from an empty one: false and
    // value untouched when missing.
    bool GetAttributeView(std::string_view name, std::string_view& value) const;
    void SetAttribute(std::string_view name, std::string_view value);
    // Adds an attribute without looking for one of that name: for elements
    // being built, whose attributes are all new.
    void AppendAttribute(std::string_view name, std::string_view value);
    // Every attribute's name and value in document order; the views stay
    // valid while the document holds the element unchanged.
    std::vector<std::pair<std::string_view, std::string_view>> Attributes() const;
    // The same into List (emptied first), so a loop over many elements can
    // reuse one list.
    void Attributes(std::vector<std::pair<std::string_view, std::string_view>>& List) const;
    // Reads the attributes Names in one pass over the element's attributes:
    // Values[i] (Values has one place per name) becomes the value of
    // Names[i], and bit i of the result is set. A name the element lacks
    // leaves its place untouched; of two attributes of one name the first
    // counts. At most 64 names. Made for records read field by field: a
    // lookup per field costs a search each, this one step an attribute when
    // the names come in the element's own order.
    std::uint64_t ReadAttributes(std::span<const std::string_view> Names, std::string_view* Values) const;
    // Names prepared for comparing a whole name at once with the text of a
    // parsed file: key i is made when name i is first compared, and made
    // again when Names[i] views other characters.
    struct TNameKeys {
        static constexpr std::size_t Slots = 16;  // names after these are compared byte by byte
        struct TKey {
            const char* data = nullptr;  // the name made into the key
            std::size_t size = 0;
            std::uint64_t word[2] = {};
            std::uint64_t mask[2] = {};  // zero for a name too long for one key
        } key[Slots];
    };
    // The same, preparing Names in Keys.
    std::uint64_t ReadAttributes(std::span<const std::string_view> Names, std::string_view* Values,
                                 TNameKeys& Keys) const;
    int AttributeCount() const;
    std::string AttributeName(int index) const;

    bool operator==(const TXmlNode& other) const { return node_ == other.node_; }

private:
    friend class TXmlDocument;
    explicit TXmlNode(void* node) : node_(node) {}
    void* node_ = nullptr;
};

// The values one element gives for a list of attribute names, read in one
// pass (ReadAttributes), as views into the document. One set serves element
// after element of a long list: a place counts only while its name was
// found on the element read last.
class TXmlFields {
public:
    static constexpr std::size_t Capacity = 16;
    // Names beyond Capacity are not read.
    void Read(const TXmlNode& Node, std::span<const std::string_view> Names) {
        found_ = Node.ReadAttributes(Names.first(std::min(Names.size(), Capacity)), value_, keys_);
    }
    bool Has(std::size_t Index) const { return Index < Capacity && (found_ >> Index & 1u) != 0; }
    // Empty when the element lacks the attribute.
    std::string_view Value(std::size_t Index) const {
        return Has(Index) ? value_[Index] : std::string_view();
    }

private:
    std::string_view value_[Capacity];
    std::uint64_t found_ = 0;
    TXmlNode::TNameKeys keys_;
};

class TXmlDocument {
public:
    TXmlDocument();
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument&) = delete;
    TXmlDocument& operator=(const TXmlDocument&) = delete;

    void Clear();  // removes every top-level node
    TXmlNode AddRoot(std::string_view name);
    void AddComment(std::string_view text);  // a top-level comment after the root
    TXmlNode Root() const;                   // first top-level element (null when none)
    // Texts of the top-level comments, in document order.
    std::string TopLevelComment(int index) const;

    // False with a message naming the file and what is wrong (not found, line
    // and column of a syntax error); the document is then empty.
    bool LoadFromFile(const std::string& path, std::string* error = nullptr);
    bool LoadFromString(std::string_view xml, std::string* error = nullptr);
    bool SaveToFile(const std::string& path, std::string* error = nullptr) const;
    std::string SaveToString() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace plat
