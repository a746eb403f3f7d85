#pragma once

#include "editors/FeedWindow.h"

namespace platform {
class Grid;
}

namespace vokg {

// The feed-parameter editor: one axis array (31 entries, each 0..99 as the menu item's tag
// says) or the seven other feed values, beside the same array of the comparison table.
class fOkuriParam : public FeedWindow {
    Q_OBJECT

public:
    enum Column { ColLabel = 0, ColComparison, ColUser, ColDif, ColumnCount };

    // `okuriCaption` is an axis key or the other values' key; `menuTag` is the menu item's
    // "MIN<TAB>MAX" (ignored for the other values).
    fOkuriParam(COkuris& user, COkuris& comparison, EditorServices& services, Messenger& messenger,
                hlpkit::CMethod& method, hlpkit::CString& keys, const QString& okuriCaption,
                const QString& menuTag, QWidget* parent = nullptr);
    ~fOkuriParam() override;

    QString WindowKind() const override { return QStringLiteral("fOkuriParam"); }
    platform::Grid* fg() const { return fg_; }
    bool IsOtherValues() const { return otherValues_; }
    NumberRange AxisRange() const { return range_; }

    // The label of row `row` of the window for `key`, as the current feed key chooses it.
    static QString RowLabel(const QString& key, int row);

protected:
    platform::Grid* EditGrid() const override { return fg_; }
    int DataRows() const override { return rows_; }
    QList<int> UserColumns() const override { return {ColUser}; }
    QString ColumnKey(int) const override { return okuriCaption(); }
    NumberRange RangeOf(int row, int col) const override;
    QString ComparisonText(int row, int col) const override;
    void SetComparisonText(int row, int col, const QString& text) override;
    void ShowComparison(bool shown) override;
    void ShowRow(int row, bool shown) override;
    void RowValuesChanged(int row) override;
    void ShadeRow(int row, bool shaded) override;
    int PrintKind() const override { return 2; }

private:
    void Fomrat_fg();

    platform::Grid* fg_ = nullptr;
    NumberRange range_;
    bool otherValues_ = false;
    int rows_ = 0;
};

} // namespace vokg
