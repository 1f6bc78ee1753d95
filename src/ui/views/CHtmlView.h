#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWebEngineView>
#include <functional>

class LocalFilePolicy;
class SkeletonPage;

// A browser view holding the skeleton page, whose body each display
// replaces. Links on the page come back as beforeNavigate(url) while the page
// stays where it is; the skeleton's editItem reports "#modify_" the same way.
class CHtmlView : public QWebEngineView {
    Q_OBJECT
public:
    explicit CHtmlView(QWidget* parent = nullptr);

    // Loads the skeleton; relative links and pictures resolve against baseUrl.
    void NavigateSkeleton(const QUrl& baseUrl = QUrl("file:///"));
    bool DocumentReady() const { return m_ready; }

    // Replaces the body; before the skeleton has loaded, the newest body waits.
    void SetBodyHtml(const QString& html);
    void GetBodyHtml(std::function<void(const QString&)> done);
    void SetBackgroundColor(const QColor& color);
    // Runs script in the page's own context, beside the skeleton's functions.
    void RunScript(const QString& code, std::function<void(const QVariant&)> done = {});

    void Copy();
    void SelectAll();
    bool CanCopy() const;
    bool CanSelectAll() const;

    // The local files the page may show (the pictures of the item on show).
    LocalFilePolicy& FilePolicy();
    SkeletonPage* Page() const { return m_page; }

    static QString BackgroundText(const QColor& color);

signals:
    void beforeNavigate(const QString& url);
    void documentComplete();
    void statusTextChange(const QString& text);
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnLoadFinished(bool ok);
    void WriteBody(const QString& html);

    SkeletonPage* m_page;
    bool m_ready = false;
    bool m_hasPending = false;
    QString m_pendingBody;
};
