#pragma once

#include <QString>
#include <vector>

namespace server {

// How a parameter or result of a server method travels (see docs/protocol.md).
enum class ParamType {
    String,     // JSON string
    Integer,    // JSON integer, 32-bit
    Int64,      // JSON integer
    Double,     // JSON number
    Boolean,    // true / false
    Reader,     // a table
    DataPacket, // a table
    Stream,     // base64 string
    JsonArray,  // JSON array
    Callback,   // {"callback": "<name>"} or null
    Object,     // a marshalled object of className, or null
    None        // no result (a procedure)
};

struct ParamInfo
{
    const char *name;
    ParamType type;
    const char *className; // for Object: "TSonucBilgisi", "TMobilStok", ...; else nullptr
    bool out;              // an output parameter: sent as null, answered in "result"
};

struct MethodInfo
{
    const char *name;
    std::vector<ParamInfo> params; // declaration order
    ParamInfo result;              // type None for a procedure
    bool calledByClient;           // the desktop client calls it

    int OutCount() const
    {
        int n = 0;
        for (const ParamInfo &p : params)
            n += p.out ? 1 : 0;
        return n;
    }
    // Entries in the answer's "result" array: the outputs, then the result if any.
    int ResultCount() const { return OutCount() + (result.type == ParamType::None ? 0 : 1); }
};

// All methods of the server class, in declaration order.
const std::vector<MethodInfo> &ServerMethods();
// The method of that exact name, or nullptr.
const MethodInfo *FindMethod(const QString &name);

} // namespace server
