#include "camera/CameraFamilyData.h"
#include "dialogs/CameraDialog.h"

#include <QTest>
#include <map>

namespace tamb {

// Every control a camera family binds must exist in its dialog's template with the kind the binding needs, so
// that a family table and a layout cannot drift apart unnoticed.
class CameraLayoutBindingTest : public QObject
{
    Q_OBJECT

private slots:
    void everyBoundControlExistsWithItsKind_data();
    void everyBoundControlExistsWithItsKind();
};

void CameraLayoutBindingTest::everyBoundControlExistsWithItsKind_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<const DialogLayout*>("layout");
    QTest::newRow("Generic") << int(CameraFamily::Generic) << &GenericCameraLayout();
    QTest::newRow("Q100") << int(CameraFamily::Q100) << &Q100CameraLayout();
    QTest::newRow("Q220") << int(CameraFamily::Q220) << &Q220CameraLayout();
    QTest::newRow("Q300") << int(CameraFamily::Q300) << &Q300CameraLayout();
    QTest::newRow("Q400") << int(CameraFamily::Q400) << &Q400CameraLayout();
    QTest::newRow("Q420") << int(CameraFamily::Q420) << &Q420CameraLayout();
}

void CameraLayoutBindingTest::everyBoundControlExistsWithItsKind()
{
    QFETCH(int, family);
    QFETCH(const DialogLayout*, layout);
    const CameraFamilyData& data = FamilyData(static_cast<CameraFamily>(family));
    std::map<int, ControlKind> kinds;
    for (const ControlTemplate& control : layout->dialogTemplate.controls)
        kinds[control.id] = control.kind;
    const auto expect = [&kinds](int id, ControlKind kind) {
        const auto found = kinds.find(id);
        QVERIFY2(found != kinds.end(), qPrintable(QStringLiteral("control %1 is missing").arg(id)));
        QVERIFY2(found->second == kind, qPrintable(QStringLiteral("control %1 has another kind").arg(id)));
    };

    QCOMPARE(layout->dialogTemplate.id, data.templateId);
    for (const ListBinding& binding : data.lists)
        expect(binding.controlId, ControlKind::DropDownList);
    for (const NumberBinding& binding : data.numbers)
        expect(binding.controlId, ControlKind::Edit);
    expect(kClockEditId, ControlKind::Edit);
    expect(kFolderEditId, ControlKind::Edit);
    if (data.passwordEditId != kNoControl)
        expect(data.passwordEditId, ControlKind::Edit);
    for (const int button :
        { kGenerateButtonId, kExitButtonId, kGetTimeButtonId, kSelectFolderButtonId, kDefaultButtonId })
        expect(button, ControlKind::PushButton);
    for (const LockRule& rule : data.locks) {
        for (const int id : rule.controls)
            QVERIFY2(kinds.contains(id), qPrintable(QStringLiteral("locked control %1 is missing").arg(id)));
    }
    for (const HiddenRow& row : data.hiddenRows) {
        for (const int id : row.controls)
            QVERIFY2(kinds.contains(id), qPrintable(QStringLiteral("hidden control %1 is missing").arg(id)));
    }
    for (const RowMoves& row : layout->rowMoves) {
        for (const ControlMove& move : row.moves)
            QVERIFY2(kinds.contains(move.controlId),
                qPrintable(QStringLiteral("moved control %1 is missing").arg(move.controlId)));
    }
}

} // namespace tamb

QTEST_MAIN(tamb::CameraLayoutBindingTest)
#include "CameraLayoutBindingTest.moc"
