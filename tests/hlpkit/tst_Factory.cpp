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

#include <QApplication>
#include <QSet>
#include <QtTest>

namespace {

struct ClassIds {
    const char* name;
    QUuid classId;
    QUuid interfaceId;
};

QList<ClassIds> AllClasses() {
    using namespace hlpkit;
    return {
        {"CMethod", CMethod::kClassId, CMethod::kInterfaceId},
        {"CProperty", CProperty::kClassId, CProperty::kInterfaceId},
        {"CFILE", CFILE::kClassId, CFILE::kInterfaceId},
        {"CString", CString::kClassId, CString::kInterfaceId},
        {"CDATE", CDATE::kClassId, CDATE::kInterfaceId},
        {"CToolTip", CToolTip::kClassId, CToolTip::kInterfaceId},
        {"CPrgsBar", CPrgsBar::kClassId, CPrgsBar::kInterfaceId},
        {"CNewFont", CNewFont::kClassId, CNewFont::kInterfaceId},
        {"CDialogOpenSave", CDialogOpenSave::kClassId, CDialogOpenSave::kInterfaceId},
        {"CDialogColor", CDialogColor::kClassId, CDialogColor::kInterfaceId},
    };
}

} // namespace

class TestFactory : public QObject {
    Q_OBJECT

private slots:
    void createsEachClassByIdentifier_data() {
        QTest::addColumn<QUuid>("classId");
        QTest::addColumn<QUuid>("interfaceId");
        for (const ClassIds& ids : AllClasses())
            QTest::newRow(ids.name) << ids.classId << ids.interfaceId;
    }
    void createsEachClassByIdentifier() {
        QFETCH(QUuid, classId);
        QFETCH(QUuid, interfaceId);
        std::unique_ptr<hlpkit::HlpObject> object = hlpkit::CreateObject(classId);
        QVERIFY(object);
        QCOMPARE(object->ClassId(), classId);
        QCOMPARE(object->InterfaceId(), interfaceId);
    }

    void identifiersAreFixedAndDistinct() {
        QSet<QUuid> seen;
        for (const ClassIds& ids : AllClasses()) {
            QVERIFY(!ids.classId.isNull());
            QVERIFY(!ids.interfaceId.isNull());
            seen.insert(ids.classId);
            seen.insert(ids.interfaceId);
        }
        QCOMPARE(seen.size(), 20);
        // The program binds to these; a changed value breaks every caller.
        QCOMPARE(hlpkit::CMethod::kClassId, QUuid(QStringLiteral("{a7e1bc6e-075b-4bb5-9082-ed0a675a27e2}")));
    }

    void unknownIdentifiersCreateNothing() {
        QVERIFY(!hlpkit::CreateObject(QUuid()));
        QVERIFY(!hlpkit::CreateObject(QUuid::createUuid()));
        QVERIFY(!hlpkit::CreateObject(hlpkit::CMethod::kInterfaceId)); // an interface is no class
    }

    void typedCreation() {
        std::unique_ptr<hlpkit::CString> strings = hlpkit::Create<hlpkit::CString>();
        QVERIFY(strings);
        QCOMPARE(strings->Fmt16(255), QStringLiteral("FF"));
        QVERIFY(hlpkit::Create<hlpkit::CToolTip>());
    }
};

QTEST_MAIN(TestFactory)
#include "tst_Factory.moc"
