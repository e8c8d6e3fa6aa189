#pragma once
// TStringList: the ordered list of texts that the configurator's units pass
// around (lines of a file, items of a combo box, name=value pairs).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const;  // throws std::out_of_range("List index out of bounds (n)")
    std::string& operator[](int index);
    const std::string& Strings(int index) const { return (*this)[index]; }
    void SetString(int index, const std::string& s);

    // Object pointer stored beside each string (not owned).
    void* Objects(int index) const;
    void SetObject(int index, void* object);

    int Add(const std::string& s);  // sorted lists insert in order; returns the index (-1 when ignored)
    int AddObject(const std::string& s, void* object);
    void Insert(int index, const std::string& s);
    void Delete(int index);
    void Clear();
    void Exchange(int a, int b);
    void Move(int from, int to);
    void AddStrings(const TStringList& other);
    void Assign(const TStringList& other);

    // Case-insensitive unless CaseSensitive is set; -1 when absent.
    int IndexOf(std::string_view s) const;
    bool Find(std::string_view s, int& index) const;  // sorted lists: binary search, index = insert point

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool on) { caseSensitive_ = on; }

    // name=value pairs
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(std::string_view name) const;
    void SetValue(std::string_view name, const std::string& value);  // empty value deletes the pair
    int IndexOfName(std::string_view name) const;

    // Text: lines joined with "\r\n" (LineBreak), each line followed by it.
    // Reading splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(std::string_view text);
    std::string LineBreak() const { return lineBreak_; }
    void SetLineBreak(const std::string& lb) { lineBreak_ = lb; }

    // CommaText / DelimitedText: items that hold the delimiter, the quote char,
    // blanks or control characters are quoted, quotes doubled inside.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char c) { delimiter_ = c; }
    char QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char c) { quoteChar_ = c; }
    bool StrictDelimiter() const { return strictDelimiter_; }  // off: blanks also separate unquoted items
    void SetStrictDelimiter(bool on) { strictDelimiter_ = on; }
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);

    // Files are decoded by DecodeText (BOM / UTF-8 / Windows-1252) and written
    // as UTF-8 without BOM, atomically. False with error on failure.
    bool LoadFromFile(const std::string& path, std::string* error = nullptr);
    bool SaveToFile(const std::string& path, std::string* error = nullptr) const;

    std::vector<std::string>::const_iterator begin() const { return items_.begin(); }
    std::vector<std::string>::const_iterator end() const { return items_.end(); }

private:
    std::vector<std::string> items_;
    std::vector<void*> objects_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
    char nameValueSeparator_ = '=';
    char delimiter_ = ',';
    char quoteChar_ = '"';
    bool strictDelimiter_ = false;
    std::string lineBreak_ = "\r\n";
};

}  // namespace base
