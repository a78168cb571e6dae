// A stand-in for the OPC UA search library over fixed lists, built once per variant (the macro
// SEARCH_VARIANT) into a folder of its own as libOPC_UA_Search.so, so that the browse is tested
// through the loader as the program runs it:
//   list          two servers' lists: "opc.tcp://plant-b..." gets its two records, any other address
//                 the six records of plant A (every access level, every kind of identifier)
//   empty         finds nothing (count 0)
//   no_fetch      lacks opcua_return_variable
//   many          5000 records "Var 0" ... "Var 4999"
//   negative      returns -7
//   huge          returns 2147483647 and answers every index
//   unterminated  texts without their terminator: one within its length field, one with length 0
// Every call reuses the same text buffers, so a caller that keeps the record's pointers instead of
// copying the texts sees them change. opcua_test_last_server tells what the last begin was given.
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/OPC_UA_Search.h"

#define SEARCH_LIST 0
#define SEARCH_EMPTY 1
#define SEARCH_NO_FETCH 2
#define SEARCH_MANY 3
#define SEARCH_NEGATIVE 4
#define SEARCH_HUGE 5
#define SEARCH_UNTERMINATED 6

namespace {

struct Fixed {
    const char* name;
    uint16_t ns;
    uint16_t idType;
    uint32_t numeric;
    const char* id;  // string or byte-string identifier
    int32_t dataType;
    uint8_t access;
};

const Fixed Plant_A[] = {
    {"Temperature", 2, 0, 4294967295u, "", 9, 0}, {"Pressure", 2, 3, 0, "Line1.Pressure", 10, 1},
    {"Setpoint", 3, 0, 2147483648u, "", 5, 2},    {"Counter", 1, 5, 0, "QkFTRTY0", 6, 3},
    {"Status \xE9t\xE9", 0, 4, 0, "", 0, 4},      {"Odd", 0, 0, 7, "", 20, 1},
};
const Fixed Plant_B[] = {
    {"Valve", 4, 0, 11, "", 0, 2},
    {"Flow", 4, 3, 0, "Flow.Main", 9, 0},
};

std::string last_server;
bool plant_b = false;
char name_buffer[64];
char id_buffer[64];
[[maybe_unused]] char unterminated[8192];

[[maybe_unused]] void Fill(opcua_structure* r, const Fixed& f)
{
    std::snprintf(name_buffer, sizeof name_buffer, "%s", f.name);
    std::snprintf(id_buffer, sizeof id_buffer, "%s", f.id);
    std::memset(r, 0x5A, sizeof *r);  // whatever the caller left there is overwritten
    r->nameSpaceIndex = f.ns;
    r->identifierType = f.idType;
    r->numeric = f.numeric;
    r->stringname = f.idType == 3 ? id_buffer : nullptr;
    r->stringLength = 0;
    r->guide1 = 0x1A2B3C4Du;
    r->guide2 = 0xABCD;
    r->guide3 = 0x0102;
    const uint8_t tail[8] = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01, 0x02, 0x03};
    std::memcpy(r->guide4, tail, 8);
    r->byteString = f.idType == 5 ? id_buffer : nullptr;
    r->byteStringLength = 0;
    r->displayName = name_buffer;
    r->displayNameLength = 0;
    r->dataType = f.dataType;
    r->accessLevel = f.access;
}

const char* Or_Null(const char* s)
{
    return s ? s : "(null)";
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t opcua_client_begin(struct opcua_server_to_discover server)
{
    last_server = std::string(Or_Null(server.server_address)) + "|" + std::to_string(server.user_pass_auth_flag) + "|" +
                  Or_Null(server.username) + "|" + Or_Null(server.password) + "|" + Or_Null(server.cert) + "|" +
                  Or_Null(server.priv_key) + "|" + std::to_string(server.security_type) + "|" +
                  std::to_string(server.security_policy);
    plant_b = server.server_address && std::strstr(server.server_address, "plant-b");
#if SEARCH_VARIANT == SEARCH_EMPTY
    return 0;
#elif SEARCH_VARIANT == SEARCH_MANY
    return 5000;
#elif SEARCH_VARIANT == SEARCH_NEGATIVE
    return -7;
#elif SEARCH_VARIANT == SEARCH_HUGE
    return INT_MAX;
#elif SEARCH_VARIANT == SEARCH_UNTERMINATED
    return 2;
#else
    return plant_b ? 2 : 6;
#endif
}

#if SEARCH_VARIANT != SEARCH_NO_FETCH
__attribute__((visibility("default"))) void opcua_return_variable(struct opcua_structure* variable, int32_t index)
{
#if SEARCH_VARIANT == SEARCH_MANY || SEARCH_VARIANT == SEARCH_HUGE
    const std::string name = "Var " + std::to_string(index);
    Fixed f{name.c_str(), 1, 0, static_cast<uint32_t>(index), "", 5, 1};
    Fill(variable, f);
#elif SEARCH_VARIANT == SEARCH_UNTERMINATED
    Fill(variable, Plant_A[0]);
    std::memset(unterminated, 'x', sizeof unterminated);
    std::memcpy(unterminated, "ABCDEFGH", 8);
    variable->displayName = unterminated;
    variable->displayNameLength = index == 0 ? 8 : 0;
#else
    const Fixed* list = plant_b ? Plant_B : Plant_A;
    const int count = plant_b ? 2 : 6;
    if (index >= 0 && index < count)
        Fill(variable, list[index]);
#endif
}
#endif

// What the last opcua_client_begin was given: address|auth|user|password|cert|key|mode|policy.
__attribute__((visibility("default"))) const char* opcua_test_last_server()
{
    return last_server.c_str();
}
}
