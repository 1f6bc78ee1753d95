#pragma once

#include <QString>

class CHtmlView;

// The view's body as the page holds it now; empty (and a test failure) when
// the page does not answer within the wait.
QString WaitForBodyHtml(CHtmlView& view, int waitMs = 20000);
