/* The interface of the OPC UA browse library, libOPC_UA_Search.so, as this program calls it.

   The library is a separate shared object, loaded while a server is browsed: first the file
   libOPC_UA_Search.so in the program's own folder, then the same name through the system loader
   (LD_LIBRARY_PATH, the loader cache, the default folders). It exports two C functions with the C
   calling convention of the platform:

     int32_t opcua_client_begin(struct opcua_server_to_discover server);
         Connects to the server as the record says, browses it and keeps the variables found.
         Returns their number; 0 or less means none. The record is passed by value; its texts stay
         valid until the call returns.

     void opcua_return_variable(struct opcua_structure* variable, int32_t index);
         Fills *variable with the variable of that index (0 to count - 1). Called for every index
         in turn, each time into the same buffer, which is not cleared between the calls: the
         library fills every field. Its texts must stay valid until the next call into the library;
         the program copies them at once.

   The records below keep the field order of the interface with the platform's natural alignment
   and native pointers. On 64-bit Linux (LP64) opcua_server_to_discover is 56 bytes and
   opcua_structure 80 bytes; on a 32-bit platform they are 32 and 56 bytes. Texts are 8-bit,
   zero-terminated, in the Windows-1252 code page; a null pointer stands for the empty text. The
   length fields are the texts' lengths without the terminator; the program reads at most that many
   bytes of a text when the field is not 0. */
#ifndef OPC_UA_SEARCH_H
#define OPC_UA_SEARCH_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

struct opcua_server_to_discover {
    const char* server_address;  /* the server's address as entered */
    int32_t user_pass_auth_flag; /* 0 anonymous, 1 user name and password, 2 certificate */
    const char* username;
    const char* password;
    const char* cert;        /* client certificate as entered, line breaks included */
    const char* priv_key;    /* private key */
    int32_t security_type;   /* 0 none, 1 sign, 2 sign and encrypt */
    int32_t security_policy; /* 0 none, 1 Basic128Rsa15, 2 Basic256, 3 Basic256Sha256,
                                4 Aes128Sha256RsaOaep, 5 Aes256Sha256RsaPss */
};

struct opcua_structure {
    uint16_t nameSpaceIndex;
    uint16_t identifierType; /* 0 numeric, 3 string, 4 GUID, 5 byte string */
    uint32_t numeric;
    const char* stringname;
    uint32_t stringLength;
    uint32_t guide1;
    uint16_t guide2;
    uint16_t guide3;
    uint8_t guide4[8]; /* the last eight bytes of the GUID in text order */
    const char* byteString;
    uint32_t byteStringLength;
    const char* displayName;
    uint32_t displayNameLength;
    int32_t dataType;    /* 0 Boolean ... 14 ByteString */
    uint8_t accessLevel; /* bit 0 readable, bit 1 writable; 0: both */
    uint8_t spare[3];
};

typedef int32_t opcua_client_begin_fn(struct opcua_server_to_discover server);
typedef void opcua_return_variable_fn(struct opcua_structure* variable, int32_t index);

#define OPC_UA_SEARCH_LIBRARY "libOPC_UA_Search.so"

#ifdef __cplusplus
}

#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(sizeof(opcua_server_to_discover) == 56, "LP64 layout of opcua_server_to_discover");
static_assert(sizeof(opcua_structure) == 80, "LP64 layout of opcua_structure");
static_assert(offsetof(opcua_structure, byteString) == 40 && offsetof(opcua_structure, displayName) == 56 &&
                  offsetof(opcua_structure, dataType) == 68 && offsetof(opcua_structure, accessLevel) == 72,
              "LP64 offsets of opcua_structure");
#elif UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(opcua_server_to_discover) == 32, "32-bit layout of opcua_server_to_discover");
static_assert(sizeof(opcua_structure) == 56, "32-bit layout of opcua_structure");
#endif
#endif

#endif
