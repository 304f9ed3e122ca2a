#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Puts a replacement in place of a system function for as long as the hook lives, by rewriting the
// test executable's import address table, so that every call the program's code makes to it arrives
// at the replacement.
template <typename Function>
class ImportHook {
public:
    ImportHook(const char* dll, const char* name, Function replacement) : real_(System(dll, name)) {
        auto* const base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (real_ == nullptr || imports.VirtualAddress == 0) {
            return;
        }
        for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             entry->Name != 0; ++entry) {
            for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
                 thunk->u1.Function != 0; ++thunk) {
                auto** const slot = reinterpret_cast<void**>(&thunk->u1.Function);
                if (*slot == reinterpret_cast<void*>(real_)) {
                    Write(slot, reinterpret_cast<void*>(replacement));
                    slots_.push_back(slot);
                }
            }
        }
    }
    ~ImportHook() {
        for (void** slot : slots_) {
            Write(slot, reinterpret_cast<void*>(real_));
        }
    }
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    // False when the executable does not import the function: nothing would be observed.
    bool Installed() const { return !slots_.empty(); }
    // The system's own function by name, or null.
    static Function System(const char* dll, const char* name) {
        const HMODULE module = GetModuleHandleA(dll);
        return module != nullptr
                   ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                   : nullptr;
    }

private:
    static void Write(void** slot, void* value) {
        DWORD was = 0;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
        *slot = value;
        VirtualProtect(slot, sizeof *slot, was, &was);
    }

    Function real_ = nullptr;
    std::vector<void**> slots_;
};
