#include "catalogue/catalogue_records.h"

#include "text/fields.h"

namespace pantrix {

std::string CategoryRecord(std::string_view name)
{
    return FixedField(name, kNameWidth);
}

std::string ItemRecord(std::string_view category, std::string_view item)
{
    return FixedField(category, kNameWidth) + FixedField(item, kNameWidth);
}

} // namespace pantrix
