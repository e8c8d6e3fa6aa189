#pragma once
// Writes a configuration file's elements and attributes straight into text,
// byte for byte as TXmlDocument::SaveToString writes the same tree (root
// first, two blanks of indentation a level, childless elements closed with
// " />", top-level comments after the root). Large tables are saved through
// it: building a document of tens of thousands of elements only to print it
// costs more than the printing.

#include <string>
#include <string_view>
#include <vector>

namespace plat {

class TXmlWriter {
public:
    // Room for the text about to be written, when the caller can tell.
    void Reserve(std::size_t bytes) { text_.reserve(bytes); }

    // Opens an element inside the open one (or the root); its attributes
    // follow before any child or the end of the element. The name is kept
    // by view until the element ends: pass text that lives that long.
    void StartElement(std::string_view name);
    // Values are written up to a NUL byte, as the document does.
    void Attribute(std::string_view name, std::string_view value);
    void EndElement();
    // A top-level comment, written after the root: call it once the root is
    // ended.
    void Comment(std::string_view text);

    // The text so far, with every element still open ended.
    std::string Take();

private:
    void CloseStartTag();

    std::string text_;
    std::vector<std::string_view> open_;  // names of the open elements, outermost first
    bool startTagOpen_ = false;           // the last element's attributes may still follow
};

}  // namespace plat
