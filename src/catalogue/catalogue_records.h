// The catalogue's record files: "category.lst" of 30-byte category names and
// "std_item.lst" of 60-byte records (30-byte category, 30-byte item). An item
// belongs to its category by the bytes of the name alone.
#pragma once

#include <string>
#include <string_view>

namespace pantrix {

inline constexpr std::size_t kNameWidth = 30;
inline constexpr std::size_t kCategoryRecordLength = kNameWidth;
inline constexpr std::size_t kItemRecordLength = 2 * kNameWidth;

inline constexpr std::string_view kCategoryFile = "category.lst";
inline constexpr std::string_view kItemFile = "std_item.lst";
inline constexpr std::string_view kCategoryNewFile = "category.new";
inline constexpr std::string_view kItemNewFile = "std_item.new";
inline constexpr std::string_view kImportFile = "import.txt"; // found in any case

std::string CategoryRecord(std::string_view name);
std::string ItemRecord(std::string_view category, std::string_view item);

inline std::string_view ItemCategory(std::string_view itemRecord)
{
    return itemRecord.substr(0, kNameWidth);
}
inline std::string_view ItemName(std::string_view itemRecord)
{
    return itemRecord.substr(kNameWidth, kNameWidth);
}

} // namespace pantrix
