#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

namespace {

// Japanese captions need a Japanese font; use IPA Gothic where the system has it.
void useJapaneseFont(QApplication& app) {
    for (const char* family : {"IPAGothic", "IPAPGothic"}) {
        if (QFontDatabase::hasFamily(QLatin1String(family))) {
            QFont font(QLatin1String(family));
            font.setPointSize(9);
            app.setFont(font);
            return;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvelX"));
    useJapaneseFont(app);

    qx::QtPlatform platform;
    qx::Form1 form(platform.platform());
    form.Form_Load();
    qx::Form1Window window(form);
    window.show();
    return app.exec();
}
