#pragma once

#include "hlpkit/HlpObject.h"

namespace hlpkit {

// Progress bar drawn in a picture control. The program creates none of it; it exists so that its identifier
// stays taken and creatable, and it carries no operations of its own yet.
class HLPKIT_EXPORT CPrgsBar : public HlpObject {
public:
    static const QUuid kClassId;
    static const QUuid kInterfaceId;
    QUuid ClassId() const override { return kClassId; }
    QUuid InterfaceId() const override { return kInterfaceId; }
};

} // namespace hlpkit
