#include "ui/dialogs/CHelpWnd.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(CHelpWnd, HangsCentredBelowThePointSizedToItsText) {
    EXPECT_EQ(CHelpWnd::Placement(QSize(100, 30), QPoint(500, 200)), QRect(436, 200, 128, 48));
}

TEST(CHelpWnd, WrapsLongTextAtTheWidth) {
    QWidget owner;
    QPointer<CHelpWnd> note = CHelpWnd::Show(&owner, QString("word ").repeated(200), QPoint(400, 100));
    EXPECT_LE(note->width(), 350 + 28);
    EXPECT_GT(note->height(), 3 * note->fontMetrics().height());
    note->close();
}

TEST(CHelpWnd, ClosesOnAKeyAndOnAClickInside) {
    QWidget owner;
    QPointer<CHelpWnd> byKey = CHelpWnd::Show(&owner, "Note", QPoint(100, 100));
    QTest::keyClick(byKey, Qt::Key_A);
    EXPECT_TRUE(QTest::qWaitFor([&] { return byKey.isNull(); }));

    QPointer<CHelpWnd> byClick = CHelpWnd::Show(&owner, "Note", QPoint(100, 100));
    QTest::mouseClick(byClick, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return byClick.isNull(); }));
}

TEST(CHelpWnd, StaysOnTheScreenNearItsEdges) {
    QWidget owner;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint point : {area.topLeft(), area.bottomRight(), QPoint(area.right(), area.top())}) {
        QPointer<CHelpWnd> note = CHelpWnd::Show(&owner, "A note that is wider than a few pixels", point);
        EXPECT_TRUE(area.contains(note->geometry())) << point.x() << "," << point.y();
        note->close();
    }
}
