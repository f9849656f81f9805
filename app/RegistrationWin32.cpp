#include "Registration.h"

#include "WideText.h"

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace {

// The program's application identity: fixed once, the same in both places
// it is written.
constexpr const wchar_t* kAppId = L"{9EB78834-9504-4542-AA43-0DBE3259D3AF}";
constexpr const wchar_t* kAppIdRoot = L"AppID";
constexpr const wchar_t* kAppName = L"Vellmor";
constexpr const wchar_t* kExeName = L"Vellmor.EXE";

std::wstring Below(const wchar_t* parent, const wchar_t* child)
{
    return std::wstring(parent) + L"\\" + child;
}

// Creates (or opens) HKEY_CLASSES_ROOT\path and sets one string value;
// valueName nullptr is the key's default value.
void WriteString(const std::wstring& path, const wchar_t* valueName, const wchar_t* data)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const auto bytes = static_cast<DWORD>((wcslen(data) + 1) * sizeof(wchar_t));
    RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

std::wstring ExecutablePath()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

// The type library of the program: one in its own file, else a ".tlb" file
// of its base name beside it (the extension replaced, or added where the
// name has none). The path it came from goes to loadedFrom.
ITypeLib* LoadOwnTypeLibrary(std::wstring& loadedFrom)
{
    const std::wstring exe = ExecutablePath();
    if (exe.empty()) {
        return nullptr;
    }
    ITypeLib* library = nullptr;
    if (SUCCEEDED(LoadTypeLibEx(exe.c_str(), REGKIND_NONE, &library))) {
        loadedFrom = exe;
        return library;
    }
    const auto dot = exe.rfind(L'.');
    const std::wstring tlb = (dot == std::wstring::npos ? exe : exe.substr(0, dot)) + L".tlb";
    if (SUCCEEDED(LoadTypeLibEx(tlb.c_str(), REGKIND_NONE, &library))) {
        loadedFrom = tlb;
        return library;
    }
    return nullptr;
}

void RegisterTypeLibrary()
{
    std::wstring path;
    ITypeLib* library = LoadOwnTypeLibrary(path);
    if (!library) {
        return;
    }
    // The help folder: the path up to and including its last "\", "/" or ":".
    const auto end = path.find_last_of(L"\\/:");
    std::wstring helpFolder = end == std::wstring::npos ? std::wstring() : path.substr(0, end + 1);
    RegisterTypeLib(library, path.data(), helpFolder.empty() ? nullptr : helpFolder.data());
    library->Release();
}

void UnregisterTypeLibrary()
{
    std::wstring path;
    ITypeLib* library = LoadOwnTypeLibrary(path);
    if (!library) {
        return;
    }
    TLIBATTR* attributes = nullptr;
    if (SUCCEEDED(library->GetLibAttr(&attributes))) {
        // Looked up at run time: a system without it keeps the library registered.
        using Unregister = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
        HMODULE oleaut = GetModuleHandleW(L"oleaut32.dll");
        const auto unregister = oleaut != nullptr
            ? reinterpret_cast<Unregister>(
                  reinterpret_cast<void*>(GetProcAddress(oleaut, "UnRegisterTypeLib")))
            : nullptr;
        if (unregister) {
            unregister(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                       attributes->lcid, attributes->syskind);
        }
        library->ReleaseTLibAttr(attributes);
    }
    library->Release();
}

void Register()
{
    // "AppID" itself is shared by every program; ours are the two keys below it.
    WriteString(Below(kAppIdRoot, kAppId), nullptr, kAppName);
    WriteString(Below(kAppIdRoot, kExeName), L"AppID", kAppId);
    RegisterTypeLibrary();
}

void Unregister()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, Below(kAppIdRoot, kAppId).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, Below(kAppIdRoot, kExeName).c_str());
    UnregisterTypeLibrary();
}

}  // namespace

RegistrationRequest RequestedRegistration(int, char**)
{
    return FindRegistrationSwitch(WideToUtf8(GetCommandLineW()));
}

void CarryOutRegistration(RegistrationRequest request)
{
    // COM for the type-library calls; without it nothing is done.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return;
    }
    if (request == RegistrationRequest::Register) {
        Register();
    } else if (request == RegistrationRequest::Unregister) {
        Unregister();
    }
    CoUninitialize();
}
