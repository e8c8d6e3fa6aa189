#include "WorkflowImage.h"

#include "base/Files.h"
#include "gateway/ImageBuilder.h"

namespace apptest {

TBuiltImage BuildImageOf(const std::string& confFolder) {
    TBuiltImage out;
    gw::TImageBuilder builder;
    out.ok = builder.Create_Bin(base::JoinPath(confFolder, "ParGen.xml"),
                                base::JoinPath(confFolder, "LoRaWAN_Gateway.xml"));
    if (!out.ok) {
        out.error = builder.ErrorString();
        return out;
    }
    out.bank1 = builder.Image().Bank1;
    out.bank2 = builder.Image().Bank2;
    return out;
}

}  // namespace apptest
