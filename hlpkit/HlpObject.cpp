#include "hlpkit/HlpObject.h"

#include "hlpkit/CDATE.h"
#include "hlpkit/CDialogColor.h"
#include "hlpkit/CDialogOpenSave.h"
#include "hlpkit/CFILE.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/CNewFont.h"
#include "hlpkit/CPrgsBar.h"
#include "hlpkit/CProperty.h"
#include "hlpkit/CString.h"
#include "hlpkit/CToolTip.h"

namespace hlpkit {

HlpObject::~HlpObject() = default;

namespace {

template <class T> std::unique_ptr<HlpObject> Make() {
    return std::make_unique<T>();
}

using Maker = std::unique_ptr<HlpObject> (*)();

struct FactoryEntry {
    const QUuid* classId;
    Maker make;
};

} // namespace

std::unique_ptr<HlpObject> CreateObject(const QUuid& classId) {
    static const FactoryEntry entries[] = {
        {&CMethod::kClassId, &Make<CMethod>},
        {&CProperty::kClassId, &Make<CProperty>},
        {&CFILE::kClassId, &Make<CFILE>},
        {&CString::kClassId, &Make<CString>},
        {&CDATE::kClassId, &Make<CDATE>},
        {&CToolTip::kClassId, &Make<CToolTip>},
        {&CPrgsBar::kClassId, &Make<CPrgsBar>},
        {&CNewFont::kClassId, &Make<CNewFont>},
        {&CDialogOpenSave::kClassId, &Make<CDialogOpenSave>},
        {&CDialogColor::kClassId, &Make<CDialogColor>},
    };
    if (classId.isNull())
        return nullptr;
    for (const FactoryEntry& entry : entries) {
        if (*entry.classId == classId)
            return entry.make();
    }
    return nullptr;
}

} // namespace hlpkit
