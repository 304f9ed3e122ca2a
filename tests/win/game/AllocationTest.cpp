// Counts the heap allocations the game makes while a flag is on: every operator new of the
// executable, and every malloc, calloc and realloc it calls from the C runtime.
#include "GameFixture.h"

#include <cstdlib>
#include <new>

namespace {

bool gCounting = false;
int gNews = 0;
int gCalls = 0; // malloc, calloc and realloc

// A stand-in for the runtime's function Name that counts the calls while counting is on.
template <const char* Name, typename Result, typename... Args>
Result __cdecl Spy(Args... args) {
    gCalls += gCounting ? 1 : 0;
    return reinterpret_cast<Result(__cdecl*)(Args...)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("msvcrt.dll"), Name)))(args...);
}
constexpr char kMalloc[] = "malloc", kCalloc[] = "calloc", kRealloc[] = "realloc";

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
    GameSettings.EndGameCondition = GameSettings.FadeWords = GameSettings.PowerUps = 0;
    GameSettings.AnimateWords = 1;
    auto game = StartQuiet();
    for (int i = 0; i < 8; ++i) {
        game->SpawnWord(window);
    }
    ASSERT_GT(FieldWords(*game).size(), 4u);
    Tick(*game, 5); // every sprite has drawn once and made its font
    const ImportHook mallocHook("msvcrt.dll", kMalloc, Spy<kMalloc, void*, std::size_t>);
    const ImportHook callocHook("msvcrt.dll", kCalloc, Spy<kCalloc, void*, std::size_t, std::size_t>);
    const ImportHook reallocHook("msvcrt.dll", kRealloc, Spy<kRealloc, void*, void*, std::size_t>);
    ASSERT_TRUE(mallocHook.Installed());
    gCounting = true;
    Tick(*game, 100);
    gCounting = false;
    EXPECT_EQ(gNews + gCalls, 0) << gNews << " news";
    EXPECT_EQ(game->ClockDisplay->Value, 105);
}

} // namespace
