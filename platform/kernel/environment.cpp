#include <cstdlib>
#include <cstring>

#include "platform/api/kernel.h"

DWORD WINAPI GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
    const char* value = name ? std::getenv(name) : nullptr;
    if (!value) {
        SetLastError(ERROR_ENVVAR_NOT_FOUND);
        return 0;
    }
    DWORD length = DWORD(std::strlen(value));
    if (!buffer || length >= size) return length + 1;
    std::memcpy(buffer, value, length + 1);
    return length;
}
