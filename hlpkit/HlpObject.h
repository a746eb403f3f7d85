#pragma once

#include "hlpkit/HlpkitExport.h"

#include <QUuid>

#include <memory>

namespace hlpkit {

// Base of every creatable class of the library. Each class and each interface has a fixed
// 128-bit identifier, chosen once and never changed: the program creates classes by them.
class HLPKIT_EXPORT HlpObject {
public:
    virtual ~HlpObject();
    virtual QUuid ClassId() const = 0;
    virtual QUuid InterfaceId() const = 0;
};

// Creates the class with the given class identifier; empty for an unknown identifier.
HLPKIT_EXPORT std::unique_ptr<HlpObject> CreateObject(const QUuid& classId);

// Typed creation through the factory: Create<CMethod>() asks the factory for CMethod's class id.
template <class T> std::unique_ptr<T> Create() {
    std::unique_ptr<HlpObject> object = CreateObject(T::kClassId);
    if (auto* typed = dynamic_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return nullptr;
}

} // namespace hlpkit
