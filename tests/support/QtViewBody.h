#pragma once

#include <QString>
#include <QVariant>

class CHtmlView;

// The view's body as the page holds it now; empty (and a test failure) when
// the page does not answer within the wait.
QString WaitForBodyHtml(CHtmlView& view, int waitMs = 20000);

// What a script run in the view's page returned; an invalid value (and a test
// failure) when the page does not answer within the wait.
QVariant EvaluateScript(CHtmlView& view, const QString& code, int waitMs = 20000);
