// Opening a large SCL file in the IEC 61850 client window: decoding a 20 MB
// file, against plain pugixml parsing of the same file as the baseline (the
// decoder should stay within three times the parse). The file is written
// once, before anything is timed; both runs read it from disk.

#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "protocols/IEC_Client_Decode.h"

namespace {

constexpr std::size_t Target_Size = 20u << 20;

// Data type templates as a typical protection and measurement device has
// them: a handful of logical node types over common data classes, some with
// structured attributes.
const char* const Templates = R"(<DataTypeTemplates>
<LNodeType id="LLN0_T" lnClass="LLN0"><DO name="Mod" type="ENC_T"/><DO name="Beh" type="ENS_T"/><DO name="Health" type="ENS_T"/><DO name="NamPlt" type="LPL_T"/></LNodeType>
<LNodeType id="XCBR_T" lnClass="XCBR"><DO name="Mod" type="ENC_T"/><DO name="Beh" type="ENS_T"/><DO name="Pos" type="DPC_T"/><DO name="BlkOpn" type="SPC_T"/><DO name="BlkCls" type="SPC_T"/><DO name="OpCnt" type="INS_T"/></LNodeType>
<LNodeType id="MMXU_T" lnClass="MMXU"><DO name="Mod" type="ENC_T"/><DO name="Beh" type="ENS_T"/><DO name="TotW" type="MV_T"/><DO name="Hz" type="MV_T"/><DO name="PhV" type="WYE_T"/><DO name="A" type="WYE_T"/></LNodeType>
<LNodeType id="GGIO_T" lnClass="GGIO"><DO name="Mod" type="ENC_T"/><DO name="Ind1" type="SPS_T"/><DO name="Ind2" type="SPS_T"/><DO name="Ind3" type="SPS_T"/><DO name="AnIn1" type="MV_T"/></LNodeType>
<DOType id="ENC_T" cdc="ENC"><DA name="stVal" bType="Enum" type="Mod" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/><DA name="ctlModel" bType="Enum" type="CtlModels" fc="CF"/></DOType>
<DOType id="ENS_T" cdc="ENS"><DA name="stVal" bType="Enum" type="Beh" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/></DOType>
<DOType id="LPL_T" cdc="LPL"><DA name="vendor" bType="VisString255" fc="DC"/><DA name="swRev" bType="VisString255" fc="DC"/><DA name="d" bType="VisString255" fc="DC"/></DOType>
<DOType id="SPS_T" cdc="SPS"><DA name="stVal" bType="BOOLEAN" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/></DOType>
<DOType id="SPC_T" cdc="SPC"><DA name="origin" bType="Struct" type="Originator" fc="ST"/><DA name="stVal" bType="BOOLEAN" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/><DA name="ctlModel" bType="Enum" type="CtlModels" fc="CF"/></DOType>
<DOType id="DPC_T" cdc="DPC"><DA name="origin" bType="Struct" type="Originator" fc="ST"/><DA name="stVal" bType="Dbpos" type="Dbpos" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/><DA name="ctlModel" bType="Enum" type="CtlModels" fc="CF"/></DOType>
<DOType id="INS_T" cdc="INS"><DA name="stVal" bType="INT32" fc="ST"/><DA name="q" bType="Quality" fc="ST"/><DA name="t" bType="Timestamp" fc="ST"/></DOType>
<DOType id="MV_T" cdc="MV"><DA name="mag" bType="Struct" type="AnalogueValue" fc="MX"/><DA name="q" bType="Quality" fc="MX"/><DA name="t" bType="Timestamp" fc="MX"/><DA name="units" bType="Struct" type="Unit" fc="CF"/></DOType>
<DOType id="CMV_T" cdc="CMV"><DA name="cVal" bType="Struct" type="Vector" fc="MX"/><DA name="q" bType="Quality" fc="MX"/><DA name="t" bType="Timestamp" fc="MX"/></DOType>
<DOType id="WYE_T" cdc="WYE"><SDO name="phsA" type="CMV_T"/><SDO name="phsB" type="CMV_T"/><SDO name="phsC" type="CMV_T"/></DOType>
<DAType id="Originator"><BDA name="orCat" bType="Enum" type="OrCat"/><BDA name="orIdent" bType="Octet64"/></DAType>
<DAType id="AnalogueValue"><BDA name="f" bType="FLOAT32"/></DAType>
<DAType id="Vector"><BDA name="mag" bType="Struct" type="AnalogueValue"/><BDA name="ang" bType="Struct" type="AnalogueValue"/></DAType>
<DAType id="Unit"><BDA name="SIUnit" bType="Enum" type="SIUnit"/><BDA name="multiplier" bType="Enum" type="Multiplier"/></DAType>
<EnumType id="Mod"><EnumVal ord="1">on</EnumVal><EnumVal ord="5">off</EnumVal></EnumType>
</DataTypeTemplates>
)";

// One logical node with the instance values a configured device carries;
// these make up most of a real file's size.
std::string Logical_Node(const char* prefix, const char* lnClass, const char* lnType, int inst) {
    const std::string i = std::to_string(inst);
    std::string ln = std::string("<LN prefix=\"") + prefix + "\" lnClass=\"" + lnClass + "\" inst=\"" + i +
                     "\" lnType=\"" + lnType + "\" desc=\"Bay " + i + "\">";
    for (const char* data : {"Mod", "Beh", "Pos", "Hz"}) {
        ln += std::string("<DOI name=\"") + data + "\" desc=\"" + data + " of bay " + i + "\">";
        ln += "<DAI name=\"ctlModel\" valKind=\"RO\"><Val>status-only</Val></DAI>";
        ln += "<DAI name=\"d\"><Val>Description of " + std::string(data) + " in bay " + i + "</Val></DAI>";
        ln += "<SDI name=\"units\"><DAI name=\"SIUnit\"><Val>Hz</Val></DAI><DAI name=\"multiplier\"><Val></Val></DAI></SDI>";
        ln += "</DOI>";
    }
    return ln + "</LN>\n";
}

std::string Logical_Device(int ld) {
    const std::string inst = "LD" + std::to_string(ld);
    std::string text = "<LDevice inst=\"" + inst + "\"><LN0 lnClass=\"LLN0\" inst=\"\" lnType=\"LLN0_T\">";
    text += "<DataSet name=\"Status\">";
    for (int n = 1; n <= 8; ++n)
        text += "<FCDA ldInst=\"" + inst + "\" prefix=\"Q0\" lnClass=\"XCBR\" lnInst=\"" + std::to_string(n) +
                "\" doName=\"Pos\" daName=\"stVal\" fc=\"ST\"/>";
    text += "</DataSet><DataSet name=\"Measures\">";
    for (const char* doName : {"TotW", "Hz", "phsA", "phsB", "phsC"})
        text += "<FCDA ldInst=\"" + inst + "\" lnClass=\"MMXU\" lnInst=\"1\" doName=\"" + doName + "\" fc=\"MX\"/>";
    text += "</DataSet><GSEControl name=\"GoStatus\" datSet=\"Status\" appID=\"" + inst + "\" confRev=\"1\"/>";
    text += "</LN0>\n";
    for (int n = 1; n <= 8; ++n) text += Logical_Node("Q0", "XCBR", "XCBR_T", n);
    for (int n = 1; n <= 4; ++n) text += Logical_Node("", "MMXU", "MMXU_T", n);
    for (int n = 1; n <= 4; ++n) text += Logical_Node("", "GGIO", "GGIO_T", n);
    return text + "</LDevice>\n";
}

std::string Make_SCL(std::size_t size) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\" version=\"2007\">\n"
        "<Header id=\"bench\"/>\n<Communication><SubNetwork name=\"W1\"><ConnectedAP iedName=\"E1\" apName=\"S1\">"
        "<Address><P type=\"IP\">192.168.1.10</P></Address></ConnectedAP></SubNetwork></Communication>\n"
        "<IED name=\"E1\"><AccessPoint name=\"S1\"><Server><Authentication/>\n";
    for (int ld = 1; text.size() + std::string(Templates).size() + 64 < size; ++ld) text += Logical_Device(ld);
    return text + "</Server></AccessPoint></IED>\n" + Templates + "</SCL>\n";
}

const std::string& SCL_File() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "vastrimo_bench_20mb.icd").string();
        std::ofstream(file, std::ios::binary) << Make_SCL(Target_Size);
        return file;
    }();
    return path;
}

void BM_Pugixml_Parse(benchmark::State& state) {
    const std::string& file = SCL_File();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(file.c_str())) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(document.first_child());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_Pugixml_Parse)->Unit(benchmark::kMillisecond);

void BM_Decode_SCL(benchmark::State& state) {
    const std::string& file = SCL_File();
    std::size_t attributes = 0;
    for (auto _ : state) {
        std::string error;
        const auto device = proto::TIEC_Device::Create(file, &error);
        if (!device) state.SkipWithError(error.c_str());
        else attributes = device->List_LDevice.size();
        benchmark::DoNotOptimize(device.get());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file)));
    state.counters["ldevices"] = static_cast<double>(attributes);
}
BENCHMARK(BM_Decode_SCL)->Unit(benchmark::kMillisecond);

}  // namespace
