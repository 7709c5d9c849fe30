#include "core/engine/text_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace notavi {
namespace {

// Large enough that a year view needs few blocks; memory is only touched where texts are written.
constexpr std::size_t kBlockSize = 256 * 1024;

} // namespace

TextStore::TextStore(TextStore&& other) noexcept
    : m_blocks(std::move(other.m_blocks)), m_free(std::exchange(other.m_free, nullptr)),
      m_left(std::exchange(other.m_left, 0))
{
    other.m_blocks.clear();
}

TextStore& TextStore::operator=(TextStore&& other) noexcept
{
    m_blocks = std::move(other.m_blocks);
    other.m_blocks.clear();
    m_free = std::exchange(other.m_free, nullptr);
    m_left = std::exchange(other.m_left, 0);
    return *this;
}

char* TextStore::reserve(std::size_t size)
{
    if (size > m_left) {
        const std::size_t blockSize = std::max(size, kBlockSize);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
        m_free = m_blocks.back().get();
        m_left = blockSize;
    }
    char* at = m_free;
    m_free += size;
    m_left -= size;
    return at;
}

std::string_view TextStore::append(std::string_view first, std::string_view second)
{
    const std::size_t size = first.size() + second.size();
    if (size == 0)
        return {};
    char* at = reserve(size);
    if (!first.empty())
        std::memcpy(at, first.data(), first.size());
    if (!second.empty())
        std::memcpy(at + first.size(), second.data(), second.size());
    return {at, size};
}

} // namespace notavi
