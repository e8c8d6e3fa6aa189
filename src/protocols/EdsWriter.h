#pragma once
// The CANopen electronic data sheet of the gateway (INI-style text,
// EDSVersion 4.0): a fixed set of communication objects, the parameter,
// mapping and variable objects of every PDO and one record per object index
// of the SDO server list. CR LF after every line, ASCII only.

#include <iosfwd>
#include <string>

#include "base/DateTime.h"
#include "protocols/Eds.h"

namespace proto {

// "03-07-2025" for 7 March 2025: month first.
std::string EDS_Date_Text(base::TDateTime When);
// Twelve-hour time with the marker glued on: "09:05AM", "12:30PM", "06:07PM";
// ten past midnight is "12:10AM".
std::string EDS_Time_Text(base::TDateTime When);

// An EDS names every object once: refused are more PDOs per direction than
// the gateway holds, an index and sub-index given twice in the SDO server
// list, and an SDO index that is one of the objects the file describes
// itself (the communication and PDO objects).
bool Check_EDS_Model(const TEdsModel& Model, std::string* Error = nullptr);

class TEdsWriter {
public:
    // Writes nothing when the model is refused by Check_EDS_Model.
    bool Write(const TEdsModel& Model, base::TDateTime When, std::ostream& Out);
    // Atomic: a refused model or a failed write leaves the old file as it was.
    bool Save(const TEdsModel& Model, base::TDateTime When, const std::string& Path);
    const std::string& ErrorString() const { return error_; }

private:
    std::string error_;
};

// The EDS of the open configuration, stamped with Generated_File_Time(),
// saved to File_Name whatever its name (the file names itself
// "CANopen_LoRaWAN_Gateway.eds" inside). False with the reason when the
// configuration files cannot be read or the file cannot be written; nothing
// is written then.
bool Write_EDS_File(const std::string& File_Name, std::string* Error = nullptr);

}  // namespace proto
