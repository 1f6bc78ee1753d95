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

QVariant EvaluateScript(CHtmlView& view, const QString& code, int waitMs) {
    QVariant result;
    bool done = false;
    view.RunScript(code, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, waitMs)) << code.toStdString();
    return result;
}
