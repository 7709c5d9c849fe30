#pragma once

// Append-only storage for the texts of one view: a few large blocks instead of one heap block per
// text. A stored text never moves, so the views handed out stay valid as long as the store lives.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace notavi {

class TextStore
{
  public:
    TextStore() = default;
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;
    // A moved-from store starts afresh: it must not write into the blocks it handed over.
    TextStore(TextStore&& other) noexcept;
    TextStore& operator=(TextStore&& other) noexcept;

    // Stores the parts one after the other as one text.
    std::string_view append(std::string_view first, std::string_view second = {});

  private:
    char* reserve(std::size_t size);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
};

} // namespace notavi
