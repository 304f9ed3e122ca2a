// Counts the heap allocations the game makes while a flag is on: every operator new of the
// executable, and every malloc, calloc and realloc it calls from the C runtime.

#include "GameFixture.h"

#include <cstdlib>
#include <new>

namespace {

bool gCounting = false;
int gNews = 0;
int gCalls = 0; // malloc, calloc and realloc

using Malloc = void*(__cdecl*)(std::size_t);
using Calloc = void*(__cdecl*)(std::size_t, std::size_t);
using Realloc = void*(__cdecl*)(void*, std::size_t);
template <typename Function>
Function Runtime(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("msvcrt.dll"), name)));
}
void* __cdecl SpyMalloc(std::size_t size) {
    gCalls += gCounting ? 1 : 0;
    return Runtime<Malloc>("malloc")(size);
}
void* __cdecl SpyCalloc(std::size_t count, std::size_t size) {
    gCalls += gCounting ? 1 : 0;
    return Runtime<Calloc>("calloc")(count, size);
}
void* __cdecl SpyRealloc(void* memory, std::size_t size) {
    gCalls += gCounting ? 1 : 0;
    return Runtime<Realloc>("realloc")(memory, size);
}

} // namespace

// new[] and the sized and nothrow forms end up here too.
void* operator new(std::size_t size) {
    gNews += gCounting ? 1 : 0;
    if (void* memory = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    HeapFree(GetProcessHeap(), 0, memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    HeapFree(GetProcessHeap(), 0, memory);
}

namespace {

TEST_F(ZapGameTest, TicksThatAddAndExpireNoWordAllocateNothing) {
    GameSettings.EndGameCondition = 0;
    GameSettings.FadeWords = 0;
    GameSettings.PowerUps = 0;
    GameSettings.AnimateWords = 1;
    auto game = StartQuiet();
    for (int i = 0; i < 8; ++i) {
        game->SpawnWord(window);
    }
    ASSERT_GT(FieldWords(*game).size(), 4u);
    Tick(*game, 5); // every sprite has drawn once and made its font
    const ImportHook<Malloc> mallocHook("msvcrt.dll", "malloc", SpyMalloc);
    const ImportHook<Calloc> callocHook("msvcrt.dll", "calloc", SpyCalloc);
    const ImportHook<Realloc> reallocHook("msvcrt.dll", "realloc", SpyRealloc);
    ASSERT_TRUE(mallocHook.Installed());
    gCounting = true;
    Tick(*game, 100);
    gCounting = false;
    EXPECT_EQ(gNews, 0);
    EXPECT_EQ(gCalls, 0);
    EXPECT_EQ(game->ClockDisplay->Value, 105);
}

} // namespace
