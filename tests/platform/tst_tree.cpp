// The tree control: its model checked by the item-model tester while nodes come and go, the
// program's calls (relative keys, keys, expanding, selecting) and its events as a user raises them.
#include "platform/gui/Tree.h"

#include "hlpkit/RunError.h"

#include <QAbstractItemModelTester>
#include <QTreeView>
#include <QtTest>

using platform::Tree;

namespace {

// Two groups with three and one functions, in the order a function tree adds them.
void Fill(Tree& tree) {
    tree.Add({}, QStringLiteral("keyA"), QStringLiteral("A"), QStringLiteral("keyParent"));
    tree.Add({}, QStringLiteral("keyB"), QStringLiteral("B"), QStringLiteral("keyParent"));
    tree.Add(QStringLiteral("keyA"), QStringLiteral("key1"), QStringLiteral("ONE\tfirst"),
             QStringLiteral("red"), QStringLiteral("chosen"));
    tree.Add(QStringLiteral("keyB"), QStringLiteral("key2"), QStringLiteral("TWO\tsecond"),
             QStringLiteral("red"));
    tree.Add(QStringLiteral("keyA"), QStringLiteral("key3"), QStringLiteral("THREE\tthird"),
             QStringLiteral("red"));
    tree.Add(QStringLiteral("keyA"), QStringLiteral("key4"), QStringLiteral("FOUR\tfourth"),
             QStringLiteral("red"));
}

int ErrorCode(const std::function<void()>& call) {
    try {
        call();
    } catch (const hlpkit::RunError& error) {
        return error.code;
    }
    return 0;
}

} // namespace

class TreeTest : public QObject {
    Q_OBJECT

private slots:
    void modelPassesTheTester() {
        Tree tree;
        QAbstractItemModelTester tester(tree.ItemModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Fill(tree);
        tree.SetForeColor(0, QColor(0, 64, 128));
        tree.SetImage(QStringLiteral("red"), QPixmap(16, 16));
        tree.Clear();
        QCOMPARE(tree.Count(), 0);
        Fill(tree);
        QCOMPARE(tree.ItemModel()->rowCount(), 2);
    }

    void nodesKeepTheirOrderAndParents() {
        Tree tree;
        Fill(tree);
        QCOMPARE(tree.Count(), 6);
        QCOMPARE(tree.Children(0), 3);
        QCOMPARE(tree.Children(1), 1);
        QCOMPARE(tree.Parent(3), std::optional<int>(1));
        QCOMPARE(tree.Parent(0), std::nullopt);
        QCOMPARE(tree.IndexOfKey(QStringLiteral("key3")), 4);
        QCOMPARE(tree.IndexOfKey(QStringLiteral("nothing")), -1);
        QCOMPARE(tree.Text(2), QStringLiteral("ONE\tfirst"));
        // The model lists the children of A in the order they were added, across B's child.
        const QAbstractItemModel& model = *tree.ItemModel();
        const QModelIndex groupA = model.index(0, 0);
        QStringList keys;
        for (int row = 0; row < model.rowCount(groupA); ++row)
            keys << model.index(row, 0, groupA).data(Qt::UserRole).toString();
        QCOMPARE(keys, (QStringList{"key1", "key3", "key4"}));
        // Name and description stand apart on screen.
        QVERIFY(model.index(0, 0, groupA).data().toString().startsWith(QStringLiteral("ONE ")));
        QVERIFY(!model.index(0, 0, groupA).data().toString().contains(QLatin1Char('\t')));
    }

    void wrongKeysAreRefused_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("a key already taken") << QString() << QStringLiteral("keyA") << 457;
        QTest::newRow("a child key already taken") << QStringLiteral("keyB") << QStringLiteral("key1") << 457;
        QTest::newRow("an unknown relative") << QStringLiteral("keyZ") << QStringLiteral("key9") << 5;
    }
    void wrongKeysAreRefused() {
        QFETCH(QString, relative);
        QFETCH(QString, key);
        QFETCH(int, code);
        Tree tree;
        Fill(tree);
        QCOMPARE(ErrorCode([&] { tree.Add(relative, key, QStringLiteral("x"), QString()); }), code);
        // Nothing was added.
        QCOMPARE(tree.Count(), 6);
        QCOMPARE(ErrorCode([&] { tree.Text(6); }), 9);
    }

    void expandRootOpensTheGroupsNamed() {
        Tree tree;
        Fill(tree);
        tree.ExpandRoot({QStringLiteral("keyB"), QStringLiteral("missing")});
        QVERIFY(tree.IsExpanded(1));
        QVERIFY(!tree.IsExpanded(0));
        // EnsureVisible opens the parents of a node.
        tree.EnsureVisible(4);
        QVERIFY(tree.IsExpanded(0));
    }

    void selectionFollowsTheProgramAndTellsTheWindow() {
        Tree tree;
        Fill(tree);
        int told = 0;
        tree.Events().SelectionChanged = [&] { ++told; };
        QCOMPARE(tree.SelectedNode(), std::nullopt);
        tree.SetSelectedNode(4);
        QCOMPARE(tree.SelectedNode(), std::optional<int>(4));
        QCOMPARE(told, 1);
        // The selected node shows its selected picture.
        tree.SetImage(QStringLiteral("chosen"), QPixmap(16, 16));
        tree.SetSelectedNode(2);
        QVERIFY(
            !tree.ItemModel()->index(0, 0, tree.ItemModel()->index(0, 0)).data(Qt::DecorationRole).isNull());
        tree.SetSelectedNode(std::nullopt);
        QCOMPARE(tree.SelectedNode(), std::nullopt);
    }

    void aDoubleClickNamesItsNode() {
        Tree tree;
        Fill(tree);
        tree.resize(300, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        tree.ExpandRoot({QStringLiteral("keyA"), QStringLiteral("keyB")});
        QList<int> clicked;
        tree.Events().DblClick = [&](int node) { clicked.append(node); };
        const std::optional<QRect> rect = tree.NodeRect(4);
        QVERIFY(rect);
        QWidget* area = tree.View()->viewport();
        const QPoint centre = area->mapFrom(&tree, rect->center());
        QTest::mouseClick(area, Qt::LeftButton, {}, centre);
        QTest::mouseDClick(area, Qt::LeftButton, {}, centre);
        QCOMPARE(clicked, QList<int>{4});
        QCOMPARE(tree.SelectedNode(), std::optional<int>(4));
        // A double click on a group does not fold it.
        const QPoint group = area->mapFrom(&tree, tree.NodeRect(0)->center());
        QTest::mouseClick(area, Qt::LeftButton, {}, group, 500);
        QTest::mouseDClick(area, Qt::LeftButton, {}, group);
        QVERIFY(tree.IsExpanded(0));
        QCOMPARE(clicked, (QList<int>{4, 0}));
    }
};

QTEST_MAIN(TreeTest)
#include "tst_tree.moc"
