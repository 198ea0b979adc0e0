// Its own test program: it replaces malloc, realloc and calloc to see the largest single request
// that decompressBlock makes. The sanitizers bring allocators of their own, so under them the
// replacement is left out and the tests are skipped.

#include "files/compressed_block.h"

#include "tests/files/hand_built_label.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define VORTELLE_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define VORTELLE_OWN_ALLOCATOR 1
#endif
#endif

namespace {

std::atomic<bool> watching { false };
std::atomic<std::size_t> largestRequest { 0 };

[[maybe_unused]] void note(std::size_t size)
{
    if (!watching.load(std::memory_order_relaxed))
        return;
    std::size_t seen = largestRequest.load(std::memory_order_relaxed);
    while (size > seen && !largestRequest.compare_exchange_weak(seen, size)) { }
}

// The largest single allocation made while the function runs.
template <typename F> std::size_t largestAllocationOf(F&& function)
{
    largestRequest = 0;
    watching = true;
    function();
    watching = false;
    return largestRequest;
}

QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, '\0');
    std::uint32_t state = 99;
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

} // namespace

#ifndef VORTELLE_OWN_ALLOCATOR
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);

void* malloc(std::size_t size)
{
    note(size);
    return __libc_malloc(size);
}

void* realloc(void* pointer, std::size_t size)
{
    note(size);
    return __libc_realloc(pointer, size);
}

void* calloc(std::size_t count, std::size_t size)
{
    note(count * size);
    return __libc_calloc(count, size);
}
}
#endif

class BlockAllocation : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef VORTELLE_OWN_ALLOCATOR
        GTEST_SKIP() << "the sanitizer's allocator cannot be watched";
#endif
    }
};

TEST_F(BlockAllocation, ThirtyByteBlockClaimingTheLargestLengthAllocatesLittle)
{
    const QByteArray stream = compressBlock(noise(100000)).sliced(8, 22);
    const QByteArray block = QByteArray("\x0D\x0F\x3E\x03", 4) + le32(1073741823) + stream;
    QByteArray result;
    const std::size_t largest = largestAllocationOf([&] { result = decompressBlock(block); });
    EXPECT_TRUE(result.isEmpty());
    EXPECT_LT(largest, std::size_t { 1 } << 20);
}

TEST_F(BlockAllocation, GoodStreamUnderAHugeClaimAllocatesForWhatItGives)
{
    const QByteArray data(300000, 'z');
    const QByteArray block = handBlockStating(data, 1073741823);
    QByteArray result;
    const std::size_t largest = largestAllocationOf([&] { result = decompressBlock(block); });
    EXPECT_EQ(result, data);
    EXPECT_LT(largest, std::size_t { 2 } * data.size() + 4096);
}

TEST_F(BlockAllocation, HonestBlockIsInflatedIntoItsOwnSize)
{
    const QByteArray data = noise(500000);
    const QByteArray block = compressBlock(data);
    QByteArray result;
    const std::size_t largest = largestAllocationOf([&] { result = decompressBlock(block); });
    EXPECT_EQ(result, data);
    EXPECT_LT(largest, data.size() + 4096);
}
