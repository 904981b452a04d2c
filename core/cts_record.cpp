// Contact record comparisons.
#include "core/cts_record.h"

#include "platform/text.h"

CtsArray g_CtsList;

bool CtsNameEquals(const CtsRecord& record, std::u16string_view name) { return platform::EqualNoCase(record.fileAs, name); }
