#pragma once

#include "lessons/Pages.h"

#include <QDialog>
#include <QTextBrowser>

namespace wuzi {

// A browser for the companion pages: it reads local files only and never goes out to the
// network, whatever a page links to.
class LocalPageBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit LocalPageBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};

// frmWeb: shows one companion page, read from the program's own directory.
class PageViewer : public QDialog {
    Q_OBJECT
  public:
    explicit PageViewer(QWidget* parent = nullptr);

    // Sets the caption from the page table and loads the page; a missing file is
    // reported inside the viewer, naming the file.
    void showPage(const PageEntry& page, const QString& programDir);

    QTextBrowser* browser() const { return brwWebBrowser_; }
    QString path() const { return path_; }

  private:
    LocalPageBrowser* brwWebBrowser_;
    QString path_;
};

} // namespace wuzi
