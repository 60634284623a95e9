#include "ui/lessons/PageViewer.h"
#include "ui/ScreenFit.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace wuzi {

namespace {

bool isLocal(const QUrl& url) {
    return url.isLocalFile() || url.scheme().isEmpty() || url.scheme() == "qrc";
}

QString missingPageHtml(const QString& file, const QString& path) {
    return PageViewer::tr("<h2>找不到页面文件</h2>"
                          "<p>页面文件 <b>%1</b> 不存在，无法显示这一页。</p>"
                          "<p>程序在这里寻找它：<br><tt>%2</tt></p>"
                          "<p>请把 %1 放回程序所在的目录，再重新打开这一页。</p>")
        .arg(file.toHtmlEscaped(), path.toHtmlEscaped());
}

} // namespace

LocalPageBrowser::LocalPageBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("brwWebBrowser");
    setOpenExternalLinks(false);
}

QVariant LocalPageBrowser::loadResource(int type, const QUrl& name) {
    return isLocal(name) ? QTextBrowser::loadResource(type, name) : QVariant();
}

void LocalPageBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (isLocal(name)) QTextBrowser::doSetSource(name, type);
}

PageViewer::PageViewer(QWidget* parent)
    : QDialog(parent), brwWebBrowser_(new LocalPageBrowser(this)) {
    setObjectName("frmWeb");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(brwWebBrowser_);
    FitToScreen(this, QSize(760, 640));
}

void PageViewer::showPage(const PageEntry& page, const QString& programDir) {
    setWindowTitle(QString::fromUtf8(page.caption));
    path_ = QString::fromStdString(LocatePage(programDir.toStdString(), page.file));
    if (QFileInfo(path_).isFile())
        brwWebBrowser_->setSource(QUrl::fromLocalFile(path_));
    else
        brwWebBrowser_->setHtml(missingPageHtml(QString::fromUtf8(page.file), path_));
}

} // namespace wuzi
