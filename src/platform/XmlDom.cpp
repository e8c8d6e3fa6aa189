#include "platform/XmlDom.h"

#include "base/Files.h"

#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <sstream>

namespace plat {

namespace {

pugi::xml_node ToPugi(void* node) {
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(node));
}

std::string Str(std::string_view text) { return std::string(text); }

// A name as the parser's C string, on the stack when it is short (element
// and attribute names always are): building a large document names every
// element and attribute it adds.
class TCName {
public:
    explicit TCName(std::string_view name) {
        if (name.size() < sizeof(small_)) {
            name.copy(small_, name.size());
            small_[name.size()] = '\0';
        } else {
            large_ = name;
        }
    }
    const char* c_str() const { return large_.empty() ? small_ : large_.c_str(); }

private:
    char small_[64];
    std::string large_;
};

// Callers walk long lists by index (ChildCount, then Child(0), Child(1),
// ...). Counting from the first child each time made reading a list
// quadratic, so the last answers are kept and the next index goes on from
// there. Readers nest such walks (the rules of each device of a device
// list), so a few parents are kept at once, the least recently used making
// way. Any change to any document's elements bumps the generation, which
// drops what was kept: a freed node's address may come back as another node.
std::atomic<unsigned long long> g_Generation{1};
void Elements_Changed() { g_Generation.fetch_add(1, std::memory_order_relaxed); }

struct TChildWalk {
    unsigned long long generation = 0;
    const void* parent = nullptr;
    int index = -1;
    pugi::xml_node child;
    int count = -1;  // -1: not counted yet
    unsigned long long used = 0;
};

struct TChildWalks {
    static constexpr int Slots = 8;
    TChildWalk slot[Slots];
    unsigned long long clock = 0;

    // The walk kept for parent, or a fresh one in the least recently used slot.
    TChildWalk& For(const void* parent) {
        const unsigned long long generation = g_Generation.load(std::memory_order_relaxed);
        TChildWalk* oldest = &slot[0];
        for (TChildWalk& w : slot) {
            if (w.parent == parent && w.generation == generation) {
                w.used = ++clock;
                return w;
            }
            if (w.used < oldest->used) oldest = &w;
        }
        *oldest = TChildWalk{generation, parent, -1, {}, -1, ++clock};
        return *oldest;
    }
};
thread_local TChildWalks t_Walks;

pugi::xml_node Next_Element(pugi::xml_node node) {
    for (node = node.next_sibling(); node; node = node.next_sibling())
        if (node.type() == pugi::node_element) return node;
    return {};
}

// Equality with a C string without measuring it first: the walks over large
// documents compare every element and attribute name they pass.
bool Equals(std::string_view text, const char* name) {
    for (const char c : text)
        if (*name++ != c) return false;
    return *name == '\0';
}

// Whitespace-only text is kept when it is an element's only content, so a
// value of " " survives; the indentation between elements is dropped.
constexpr unsigned ParseFlags = pugi::parse_default | pugi::parse_ws_pcdata_single |
                                pugi::parse_comments | pugi::parse_declaration;

constexpr unsigned SaveFlags = pugi::format_indent | pugi::format_no_declaration;

// Walks the subtree in document order without recursion: a file may nest
// elements as deep as it likes (the parser itself does not recurse), and a
// recursive walk would run out of stack on one.
void CollectText(const pugi::xml_node& node, std::string& out) {
    pugi::xml_node child = node.first_child();
    while (child) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) out += child.value();
        if (child.type() == pugi::node_element && child.first_child()) {
            child = child.first_child();
            continue;
        }
        while (!child.next_sibling() && child.parent() != node) child = child.parent();
        child = child.next_sibling();
    }
}

// Line and column (both from 1, column in characters) of a byte offset.
void LineColumn(std::string_view text, std::ptrdiff_t offset, int& line, int& column) {
    line = 1;
    column = 1;
    if (offset < 0) return;
    const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(offset), text.size());
    for (std::size_t i = 0; i < end; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
}

std::string Where(std::string_view source, std::string_view text, std::ptrdiff_t offset) {
    int line = 0;
    int column = 0;
    LineColumn(text, offset, line, column);
    std::ostringstream out;
    if (!source.empty()) out << source << ": ";
    out << "line " << line << ", column " << column;
    return out.str();
}

}  // namespace

namespace {

// The parser's own records of an element and an attribute, read in place.
// Its accessors are calls into the shared library, several per attribute,
// and a file of tens of thousands of rules spent more time in them than in
// parsing. The layout is the library's; Records_Match checks it once against
// the accessors on a small document, and on any difference the readers
// below use the accessors.
struct TAttrRecord {
    std::uintptr_t header;
    const char* name;
    const char* value;
    const TAttrRecord* prev;
    const TAttrRecord* next;
};

struct TNodeRecord {
    std::uintptr_t header;
    const char* name;
    const char* value;
    const TNodeRecord* parent;
    const TNodeRecord* first_child;
    const TNodeRecord* prev;
    const TNodeRecord* next;
    const TAttrRecord* first_attribute;
};

constexpr std::uintptr_t Record_Type_Mask = 15;

const TNodeRecord* Record(const pugi::xml_node& node) {
    return reinterpret_cast<const TNodeRecord*>(node.internal_object());
}

const TAttrRecord* Record(const pugi::xml_attribute& attr) {
    return reinterpret_cast<const TAttrRecord*>(attr.internal_object());
}

const char* Or_Empty(const char* text) {
    return text ? text : "";
}

// Every link and text of every node and attribute of the probe as the
// accessors give them.
bool Same_As_Accessors(const pugi::xml_node& node) {
    const TNodeRecord* r = Record(node);
    if (Or_Empty(r->name) != node.name() && !(r->name == nullptr && *node.name() == 0)) return false;
    if (Or_Empty(r->value) != node.value() && !(r->value == nullptr && *node.value() == 0)) return false;
    if (static_cast<pugi::xml_node_type>(r->header & Record_Type_Mask) != node.type()) return false;
    if (r->first_child != Record(node.first_child()) || r->next != Record(node.next_sibling())) return false;
    if (r->first_attribute != Record(node.first_attribute())) return false;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const TAttrRecord* ar = Record(a);
        if (Or_Empty(ar->name) != a.name() && !(ar->name == nullptr && *a.name() == 0)) return false;
        if (Or_Empty(ar->value) != a.value() && !(ar->value == nullptr && *a.value() == 0)) return false;
        if (ar->next != Record(a.next_attribute())) return false;
    }
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (!Same_As_Accessors(child)) return false;
    return true;
}

bool Records_Match() {
    static const bool match = [] {
        pugi::xml_document doc;
        if (!doc.load_string("<r a='1' bb='22'><!--c--><e c=''/>t<f/></r>", ParseFlags)) return false;
        // Texts set after parsing live in the document's own memory.
        pugi::xml_node built = doc.document_element().append_child("g");
        built.append_attribute("h").set_value("4");
        built.append_attribute("i");
        return Same_As_Accessors(doc.document_element());
    }();
    return match;
}

// Which of Names name is, trying the one expected first.
std::size_t Name_Index(std::span<const std::string_view> Names, std::size_t count, std::size_t expected,
                       const char* name) {
    if (expected < count && Equals(Names[expected], name)) return expected;
    for (std::size_t i = 0; i < count; ++i)
        if (Equals(Names[i], name)) return i;
    return count;
}

// The text this thread parsed last, in place: names inside it may be read
// a few bytes past their end, since more of the text follows. A byte-by-
// byte comparison of every attribute name of a large file took longer than
// anything else its readers did; two words compare a short name whole.
// Any change to any document's elements (and freeing one) bumps the
// generation, which drops the range.
struct TParsedText {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    unsigned long long generation = 0;
};
thread_local TParsedText t_ParsedText;

constexpr std::size_t Key_Bytes = 16;

void Note_Parsed_Text(const std::string& text) {
    const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
    t_ParsedText = {begin, begin + text.size(), g_Generation.load(std::memory_order_relaxed)};
}

// The name's bytes and its terminator under the mask; no mask when it does
// not fit.
TXmlNode::TNameKeys::TKey Make_Key(std::string_view name) {
    TXmlNode::TNameKeys::TKey key{name.data(), name.size()};
    if (name.size() >= Key_Bytes || name.find('\0') != std::string_view::npos) return key;
    unsigned char bytes[Key_Bytes] = {};
    unsigned char mask[Key_Bytes] = {};
    name.copy(reinterpret_cast<char*>(bytes), name.size());
    std::fill(mask, mask + name.size() + 1, 0xFF);
    std::memcpy(key.word, bytes, Key_Bytes);
    std::memcpy(key.mask, mask, Key_Bytes);
    return key;
}

bool Key_Equals(const TXmlNode::TNameKeys::TKey& key, const char* name) {
    std::uint64_t text[2];
    std::memcpy(text, name, Key_Bytes);
    return (((text[0] ^ key.word[0]) & key.mask[0]) | ((text[1] ^ key.word[1]) & key.mask[1])) == 0;
}

}  // namespace

// ---------------------------------------------------------------- TXmlNode

std::string TXmlNode::Name() const { return ToPugi(node_).name(); }

std::string TXmlNode::Text() const {
    std::string text;
    CollectText(ToPugi(node_), text);
    return text;
}

void TXmlNode::SetText(std::string_view text) {
    pugi::xml_node node = ToPugi(node_);
    if (!node) return;
    Elements_Changed();
    while (node.first_child()) node.remove_child(node.first_child());
    if (!text.empty()) node.append_child(pugi::node_pcdata).set_value(Str(text).c_str());
}

int TXmlNode::ChildCount() const {
    if (node_ == nullptr) return 0;
    TChildWalk& walk = t_Walks.For(node_);
    if (walk.count >= 0) return walk.count;
    int count = 0;
    for (TXmlNode child = FirstChild(); child; child = child.NextSibling()) ++count;
    walk.count = count;
    return count;
}

TXmlNode TXmlNode::Child(int index) const {
    if (index < 0 || node_ == nullptr) return {};
    TChildWalk& walk = t_Walks.For(node_);
    pugi::xml_node child;
    int at = 0;
    if (walk.index >= 0 && walk.index <= index) {
        child = walk.child;
        at = walk.index;
    } else {
        child = ToPugi(node_).first_child();
        while (child && child.type() != pugi::node_element) child = child.next_sibling();
    }
    for (; child && at < index; ++at) child = Next_Element(child);
    if (!child) return {};
    walk.index = index;
    walk.child = child;
    return TXmlNode(child.internal_object());
}

TXmlNode TXmlNode::FindNode(std::string_view name) const {
    for (TXmlNode child = FirstChild(); child; child = child.NextSibling())
        if (Equals(name, ToPugi(child.node_).name())) return child;
    return {};
}

TXmlNode TXmlNode::FirstChild() const {
    if (node_ != nullptr && Records_Match()) {
        const TNodeRecord* child = static_cast<const TNodeRecord*>(node_)->first_child;
        while (child && (child->header & Record_Type_Mask) != pugi::node_element) child = child->next;
        return TXmlNode(const_cast<TNodeRecord*>(child));
    }
    for (pugi::xml_node child = ToPugi(node_).first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) return TXmlNode(child.internal_object());
    return {};
}

TXmlNode TXmlNode::NextSibling() const {
    if (node_ != nullptr && Records_Match()) {
        const TNodeRecord* next = static_cast<const TNodeRecord*>(node_)->next;
        while (next && (next->header & Record_Type_Mask) != pugi::node_element) next = next->next;
        return TXmlNode(const_cast<TNodeRecord*>(next));
    }
    for (pugi::xml_node next = ToPugi(node_).next_sibling(); next; next = next.next_sibling())
        if (next.type() == pugi::node_element) return TXmlNode(next.internal_object());
    return {};
}

bool TXmlNode::HasLocalName(std::string_view name) const {
    const char* full = ToPugi(node_).name();
    const char* local = full;
    for (const char* c = full; *c; ++c)
        if (*c == ':') local = c + 1;
    return Equals(name, local);
}

TXmlNode TXmlNode::AddChild(std::string_view name) {
    pugi::xml_node node = ToPugi(node_);
    if (!node) return {};
    Elements_Changed();
    return TXmlNode(node.append_child(TCName(name).c_str()).internal_object());
}

namespace {

// Attribute names are short: compare in place rather than copying the key
// to give the parser a C string. Readers ask for an element's attributes
// one after another, mostly in the order the writer put them, so the search
// starts after the attribute found last on the same element and wraps
// round: a record read in file order costs one step a field instead of a
// scan from the first attribute each time. The hint is dropped with the
// generation, as the child walks are.
struct TAttributeHint {
    const void* node = nullptr;
    unsigned long long generation = 0;
    pugi::xml_attribute last;
};
thread_local TAttributeHint t_AttributeHint;

pugi::xml_attribute FindAttribute(void* node, std::string_view name) {
    const pugi::xml_node element = ToPugi(node);
    const unsigned long long generation = g_Generation.load(std::memory_order_relaxed);
    TAttributeHint& hint = t_AttributeHint;
    pugi::xml_attribute start;
    if (hint.node == node && hint.generation == generation && hint.last) start = hint.last.next_attribute();
    for (pugi::xml_attribute attr = start; attr; attr = attr.next_attribute()) {
        if (Equals(name, attr.name())) {
            hint.last = attr;
            return attr;
        }
    }
    for (pugi::xml_attribute attr = element.first_attribute(); attr != start; attr = attr.next_attribute()) {
        if (Equals(name, attr.name())) {
            hint = {node, generation, attr};
            return attr;
        }
    }
    return {};
}

}  // namespace

bool TXmlNode::HasAttribute(std::string_view name) const { return static_cast<bool>(FindAttribute(node_, name)); }

bool TXmlNode::GetAttribute(std::string_view name, std::string& value) const {
    const pugi::xml_attribute attr = FindAttribute(node_, name);
    if (!attr) return false;
    value = attr.value();
    return true;
}

bool TXmlNode::GetAttributeView(std::string_view name, std::string_view& value) const {
    const pugi::xml_attribute attr = FindAttribute(node_, name);
    if (!attr) return false;
    value = attr.value();
    return true;
}

std::string TXmlNode::Attribute(std::string_view name, std::string_view def) const {
    std::string value(def);
    GetAttribute(name, value);
    return value;
}

std::string_view TXmlNode::AttributeView(std::string_view name) const {
    const pugi::xml_attribute attr = FindAttribute(node_, name);
    return attr ? std::string_view(attr.value()) : std::string_view();
}

void TXmlNode::SetAttribute(std::string_view name, std::string_view value) {
    pugi::xml_node node = ToPugi(node_);
    if (!node) return;
    pugi::xml_attribute attr = FindAttribute(node_, name);
    if (!attr) attr = node.append_attribute(TCName(name).c_str());
    attr.set_value(Str(value).c_str());
}

void TXmlNode::AppendAttribute(std::string_view name, std::string_view value) {
    pugi::xml_node node = ToPugi(node_);
    if (!node) return;
    node.append_attribute(TCName(name).c_str()).set_value(value.data(), value.size());
}

std::vector<std::pair<std::string_view, std::string_view>> TXmlNode::Attributes() const {
    std::vector<std::pair<std::string_view, std::string_view>> list;
    Attributes(list);
    return list;
}

void TXmlNode::Attributes(std::vector<std::pair<std::string_view, std::string_view>>& List) const {
    List.clear();
    for (pugi::xml_attribute attr = ToPugi(node_).first_attribute(); attr; attr = attr.next_attribute())
        List.emplace_back(attr.name(), attr.value());
}

std::uint64_t TXmlNode::ReadAttributes(std::span<const std::string_view> Names,
                                       std::string_view* Values) const {
    TNameKeys keys;
    return ReadAttributes(Names, Values, keys);
}

std::uint64_t TXmlNode::ReadAttributes(std::span<const std::string_view> Names, std::string_view* Values,
                                       TNameKeys& Keys) const {
    const std::size_t count = std::min<std::size_t>(Names.size(), 64);
    const TParsedText text = t_ParsedText.generation == g_Generation.load(std::memory_order_relaxed)
                                 ? t_ParsedText
                                 : TParsedText{};
    std::uint64_t found = 0;
    std::size_t expected = 0;
    const auto take = [&](const char* name, const char* value) {
        std::size_t k = count;
        const auto at = reinterpret_cast<std::uintptr_t>(name);
        if (expected < count && expected < TNameKeys::Slots && at >= text.begin &&
            at + Key_Bytes <= text.end) {
            TNameKeys::TKey& key = Keys.key[expected];
            if (key.data != Names[expected].data() || key.size != Names[expected].size())
                key = Make_Key(Names[expected]);
            if (key.mask[0] != 0 && Key_Equals(key, name)) k = expected;
        }
        if (k == count) k = Name_Index(Names, count, expected, name);
        if (k == count || (found >> k & 1u) != 0) return;
        found |= std::uint64_t{1} << k;
        Values[k] = value;
        expected = k + 1;
    };
    if (node_ != nullptr && Records_Match()) {
        for (const TAttrRecord* a = static_cast<const TNodeRecord*>(node_)->first_attribute; a; a = a->next)
            take(Or_Empty(a->name), Or_Empty(a->value));
    } else {
        for (pugi::xml_attribute attr = ToPugi(node_).first_attribute(); attr; attr = attr.next_attribute())
            take(attr.name(), attr.value());
    }
    return found;
}

int TXmlNode::AttributeCount() const {
    int count = 0;
    for (pugi::xml_attribute attr = ToPugi(node_).first_attribute(); attr; attr = attr.next_attribute())
        ++count;
    return count;
}

std::string TXmlNode::AttributeName(int index) const {
    if (index < 0) return {};
    for (pugi::xml_attribute attr = ToPugi(node_).first_attribute(); attr; attr = attr.next_attribute())
        if (index-- == 0) return attr.name();
    return {};
}

// ------------------------------------------------------------ TXmlDocument

struct TXmlDocument::Impl {
    pugi::xml_document doc;
    // A file is parsed where it was read, which saves copying it: the
    // document's names and values then point into this buffer.
    std::string buffer;
};

TXmlDocument::TXmlDocument() : impl_(std::make_unique<Impl>()) {}
TXmlDocument::~TXmlDocument() { Elements_Changed(); }

void TXmlDocument::Clear() {
    Elements_Changed();
    impl_->doc.reset();
    impl_->buffer.clear();
}

TXmlNode TXmlDocument::AddRoot(std::string_view name) {
    // The root goes before any comment already added, so the file keeps its
    // shape whatever order the caller builds it in.
    Elements_Changed();
    pugi::xml_node root;
    if (pugi::xml_node first = impl_->doc.first_child())
        root = impl_->doc.insert_child_before(Str(name).c_str(), first);
    else
        root = impl_->doc.append_child(Str(name).c_str());
    return TXmlNode(root.internal_object());
}

void TXmlDocument::AddComment(std::string_view text) {
    impl_->doc.append_child(pugi::node_comment).set_value(Str(text).c_str());
}

TXmlNode TXmlDocument::Root() const {
    for (pugi::xml_node child = impl_->doc.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) return TXmlNode(child.internal_object());
    return {};
}

std::string TXmlDocument::TopLevelComment(int index) const {
    if (index < 0) return {};
    for (pugi::xml_node child = impl_->doc.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_comment) continue;
        if (index-- == 0) return child.value();
    }
    return {};
}

namespace {

// In place when buffer is given (xml is then its text), else on a copy of xml.
bool Parse(pugi::xml_document& doc, std::string_view xml, std::string_view source, std::string* error,
           std::string* buffer = nullptr) {
    Elements_Changed();
    doc.reset();
    const pugi::xml_parse_result result = buffer ? doc.load_buffer_inplace(buffer->data(), buffer->size(), ParseFlags)
                                                 : doc.load_buffer(xml.data(), xml.size(), ParseFlags);
    std::string message;
    if (!result) {
        message = Where(source, xml, result.offset) + ": " + result.description();
    } else {
        // The parser accepts several top-level elements; a configuration file
        // with a second root is damaged, and reading only the first would
        // quietly drop the rest at the next save.
        int elements = 0;
        for (pugi::xml_node child = doc.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element && ++elements == 2) {
                message = Where(source, xml, child.offset_debug()) + ": more than one root element";
                break;
            }
        }
        if (elements == 0 && message.empty()) message = (source.empty() ? "" : Str(source) + ": ") + "no root element";
    }
    if (message.empty()) return true;
    doc.reset();
    if (error) *error = message;
    return false;
}

}  // namespace

bool TXmlDocument::LoadFromFile(const std::string& path, std::string* error) {
    Clear();
    if (!base::ReadFileBytes(path, impl_->buffer, error)) return false;
    const std::string source = "\"" + path + "\"";
    if (Parse(impl_->doc, impl_->buffer, source, nullptr, &impl_->buffer)) {
        Note_Parsed_Text(impl_->buffer);
        return true;
    }
    // The parser has rewritten the buffer: the error's line and column are
    // counted again on the text as read.
    std::string bytes;
    const bool reread = base::ReadFileBytes(path, bytes, error);
    Clear();
    return reread && Parse(impl_->doc, bytes, source, error);
}

bool TXmlDocument::LoadFromString(std::string_view xml, std::string* error) {
    // No name to give: callers put their own in front. The text is parsed
    // in place on a copy of its own, as a file is; xml may come from the
    // buffer of the last file, so that buffer goes only afterwards, and a
    // syntax error is placed on xml, which the parser leaves as it was.
    // The copy is made on the heap whatever its size, so moving it into
    // the document keeps the parser's pointers into it.
    std::string text;
    text.reserve(std::max<std::size_t>(xml.size(), 32));
    text.assign(xml);
    const bool parsed = Parse(impl_->doc, xml, "", error, &text);
    impl_->buffer = std::move(text);
    if (parsed) Note_Parsed_Text(impl_->buffer);
    return parsed;
}

namespace {

// The writer leaves a carriage return in element text as it is, and every
// reader turns it into a line feed; written as a character reference it
// comes back. Comments and CDATA sections are copied untouched, since
// references mean nothing there; escaped text cannot hold "<!" itself, so
// the scan is exact.
std::string ProtectCarriageReturns(std::string xml) {
    if (xml.find('\r') == std::string::npos) return xml;
    std::string out;
    out.reserve(xml.size() + 16);
    for (std::size_t i = 0; i < xml.size(); ++i) {
        const bool comment = xml.compare(i, 4, "<!--") == 0;
        if (comment || xml.compare(i, 9, "<![CDATA[") == 0) {
            const std::size_t end = xml.find(comment ? "-->" : "]]>", i + 4);
            const std::size_t stop = end == std::string::npos ? xml.size() : end + 3;
            out.append(xml, i, stop - i);
            i = stop - 1;
        } else if (xml[i] == '\r') {
            out += "&#13;";
        } else {
            out += xml[i];
        }
    }
    return out;
}

// The text grows in one string: a string stream would copy it out again.
struct TStringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::string TXmlDocument::SaveToString() const {
    TStringWriter out;
    if (const pugi::xml_node root = ToPugi(Root().node_)) root.print(out, "  ", SaveFlags, pugi::encoding_utf8);
    for (pugi::xml_node child = impl_->doc.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_comment) child.print(out, "  ", SaveFlags, pugi::encoding_utf8);
    return ProtectCarriageReturns(std::move(out.text));
}

bool TXmlDocument::SaveToFile(const std::string& path, std::string* error) const {
    return base::WriteFileAtomic(path, SaveToString(), error);
}

}  // namespace plat
