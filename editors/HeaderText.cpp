#include "editors/HeaderText.h"

#include "hlpkit/RunError.h"
#include "model/HeaderField.h"

namespace vokg {

HeaderText::HeaderText(const QString& path) : file_(path) {
    if (path.isEmpty())
        hlpkit::Raise(hlpkit::BadFileName);
    if (!file_.exists())
        hlpkit::Raise(hlpkit::FileNotFound);
    if (!file_.open(QIODevice::ReadOnly))
        hlpkit::Raise(hlpkit::PathFileAccessError);
}

HeaderText::Header HeaderText::Read(int tableNumber) {
    if (tableNumber < 1)
        hlpkit::Raise(hlpkit::SubscriptOutOfRange);
    const qint64 start = qint64(tableNumber - 1) * kTableSize;
    if (!file_.seek(start))
        hlpkit::Raise(hlpkit::InputPastEndOfFile);
    const QByteArray bytes = file_.read(2 * kFieldSize);
    if (bytes.size() < 2 * kFieldSize)
        hlpkit::Raise(hlpkit::InputPastEndOfFile);
    const QByteArrayView view(bytes);
    return {Decode(view.first(kFieldSize)), Decode(view.sliced(kFieldSize, kFieldSize))};
}

QString HeaderText::Decode(QByteArrayView field) {
    return HeaderField::Decode(field);
}

} // namespace vokg
