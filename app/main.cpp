#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The editor's window comes with the main window work; until then say only that.
    QLabel notice(QStringLiteral("Vortelle 标签编辑器尚在建造中。"));
    notice.setMinimumSize(480, 160);
    notice.setAlignment(Qt::AlignCenter);
    notice.show();
    return app.exec();
}
