#include "support/QtViewBody.h"

#include "ui/views/CHtmlView.h"

#include <QTest>
#include <gtest/gtest.h>

QString WaitForBodyHtml(CHtmlView& view, int waitMs) {
    QString body;
    bool done = false;
    view.GetBodyHtml([&](const QString& html) {
        body = html;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, waitMs));
    return body;
}
