#pragma once
// The generated files the main window's commands write (EDE, EDS, MIB,
// GSDML, GSD), reachable by kind so the `generate` test driver writes each
// exactly as its command would, without a dialog.

#include <string>
#include <vector>

#include "base/DateTime.h"

namespace proto {

// Writes OutputFile from the open configuration's files (the paths set by
// shell::Set_Files). On failure returns false with the reason in *Error and
// leaves no file behind.
using TGenerateFn = bool (*)(const std::string& OutputFile, std::string* Error);

struct TGeneratorKind {
    const char* Name;  // "ede", "eds", "mib", "gsdml", "gsd"
    TGenerateFn Generate;
    // What the command adds to a chosen name that does not end in it (in
    // any letter case); empty: the name is written as chosen.
    const char* Extension = "";
};

const std::vector<TGeneratorKind>& Generator_Kinds();
const TGeneratorKind* Find_Generator(const std::string& Name);

// FileName, with Extension added unless it ends in it in any letter case.
std::string With_Extension(const std::string& FileName, const std::string& Extension);
// The name the command writes for a chosen one.
std::string Output_File_Name(const TGeneratorKind& Kind, const std::string& Chosen);

// The date and time a generated file carries: the local time now, or the
// moment SOURCE_DATE_EPOCH gives (seconds since 1970, UTC) when it is set
// to a valid number, so a build can write the same file twice.
base::TDateTime Generated_File_Time();

}  // namespace proto
