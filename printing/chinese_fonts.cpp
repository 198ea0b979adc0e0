#include "printing/chinese_fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

void installChineseFontSubstitutions()
{
    const QStringList sans { QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Noto Sans CJK") };
    const QStringList serif { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Serif CJK"),
        QStringLiteral("WenQuanYi Zen Hei") };
    struct Face {
        const char16_t* name;
        bool serifed;
    };
    static constexpr Face kFaces[] = {
        { u"黑体", false },
        { u"SimHei", false },
        { u"微软雅黑", false },
        { u"Microsoft YaHei", false },
        { u"宋体", true },
        { u"SimSun", true },
        { u"新宋体", true },
        { u"NSimSun", true },
        { u"仿宋", true },
        { u"FangSong", true },
        { u"楷体", true },
        { u"KaiTi", true },
    };
    for (const Face& face : kFaces) {
        const QString name = QString::fromUtf16(face.name);
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, face.serifed ? serif : sans);
    }
}
