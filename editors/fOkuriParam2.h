#pragma once

#include "editors/FeedWindow.h"

#include <QStringList>

namespace platform {
class Grid;
}

namespace vokg {

// The pitch-parameter editor: several feed arrays of one length side by side, one column per
// array and one row per pitch, in the user grid fgUsr beside the comparison grid fgCmp (which
// cannot be edited and marks each differing row "DIF"). Three kinds, chosen by the caption:
// "Setting of each pitch" (the six long arrays, 201 rows), "Sending parameter X" and "Sending
// parameter Y" (the four pitch arrays of an axis, 50 rows).
class fOkuriParam2 : public FeedWindow {
    Q_OBJECT

public:
    enum Kind { EachPitch = 572, SendingX = 573, SendingY = 574 };

    fOkuriParam2(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
                 hlpkit::CMethod& method, hlpkit::CString& keys, const QString& okuriCaption,
                 QWidget* parent = nullptr);
    ~fOkuriParam2() override;

    // The kind a caption names; none for another caption.
    static std::optional<Kind> KindOf(const QString& caption);
    // The array keys of a kind, in column order.
    static QStringList KeysOf(Kind kind);

    QString WindowKind() const override { return QStringLiteral("fOkuriParam2"); }
    Kind WindowKindNumber() const { return kind_; }
    platform::Grid* fgUsr() const { return fgUsr_; }
    platform::Grid* fgCmp() const { return fgCmp_; }
    int MarkColumn() const { return int(keys_.size()) + 1; }

protected:
    platform::Grid* EditGrid() const override { return fgUsr_; }
    int DataRows() const override { return rows_; }
    QList<int> UserColumns() const override { return columns_; }
    QString ColumnKey(int col) const override;
    NumberRange RangeOf(int row, int col) const override;
    QString ComparisonText(int row, int col) const override;
    void SetComparisonText(int row, int col, const QString& text) override;
    void ShowComparison(bool shown) override;
    void ShowRow(int row, bool shown) override;
    void RowValuesChanged(int row) override;
    void ShadeRow(int row, bool shaded) override;
    int PrintKind() const override { return 3; }

private:
    void Fomrat_fg(platform::Grid& grid, bool comparison);
    QString RowLabel(int row) const;

    Kind kind_ = EachPitch;
    QStringList keys_;
    QList<int> columns_;
    int rows_ = 0;
    platform::Grid* fgUsr_ = nullptr;
    platform::Grid* fgCmp_ = nullptr;
};

} // namespace vokg
