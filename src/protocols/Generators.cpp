#include "protocols/Generators.h"

#include <cerrno>
#include <cstdlib>

#include "base/StrUtils.h"
#include "protocols/BACnet_EDE_File.h"
#include "protocols/EdsWriter.h"
#include "protocols/SNMP_MIB.h"
#include "protocols/Profibus_GSD.h"
#include "protocols/ProfinetXML.h"

namespace proto {

const std::vector<TGeneratorKind>& Generator_Kinds() {
    // One row per generated file kind; each writer adds its own.
    static const std::vector<TGeneratorKind> kinds = {
        {"ede", &Write_EDE_File, ".csv"},
        {"eds", &Write_EDS_File},
        {"mib", &Write_MIB_File, ".mib"},
        {"gsdml", &Write_GSDML_File},
        {"gsd", &Write_GSD_File},
    };
    return kinds;
}

const TGeneratorKind* Find_Generator(const std::string& Name) {
    for (const TGeneratorKind& kind : Generator_Kinds())
        if (Name == kind.Name) return &kind;
    return nullptr;
}

std::string With_Extension(const std::string& FileName, const std::string& Extension) {
    const bool has = FileName.size() >= Extension.size() &&
                     base::SameText(FileName.substr(FileName.size() - Extension.size()), Extension);
    return has ? FileName : FileName + Extension;
}

std::string Output_File_Name(const TGeneratorKind& Kind, const std::string& Chosen) {
    return With_Extension(Chosen, Kind.Extension);
}

base::TDateTime Generated_File_Time() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        errno = 0;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (errno == 0 && end && *end == '\0' && seconds >= 0)
            return base::EncodeDate(1970, 1, 1) + static_cast<double>(seconds) / 86400.0;
    }
    return base::Now();
}

}  // namespace proto
