#include "gui/testing/TestWindows.h"

#include "core/common/DataFiles.h"
#include "core/testing/AnswerLog.h"
#include "core/testing/StoreTestMark.h"
#include "core/testing/TestRunRules.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "gui/testing/IntroWindow.h"
#include "gui/testing/PictureViewer.h"
#include "gui/testing/RunnerWindow.h"

#include <QApplication>
#include <QRadioButton>
#include <QStyle>
#include <QtDebug>

namespace testwindows {

const UniformDraw& shuffleDraw()
{
    static const UniformDraw draw = ReseedingRandom();
    return draw;
}

void showTestChoice(AppContext& context)
{
    if (QWidget* choice = context.windows.value(QStringLiteral("frmTestCh"))) {
        choice->show();
        choice->activateWindow();
    }
}

void closeRun(AppContext& context)
{
    if (auto* runner = context.window<fullTST>(QStringLiteral("fullTST")))
        runner->dismiss();
    if (auto* intro = context.window<frmFullTest>(QStringLiteral("frmFullTest")))
        intro->close();
}

PICview* openPicture(AppContext& context, QWidget* owner)
{
    closePicture(context);
    auto* viewer = new PICview(context);
    context.windows.insert(QStringLiteral("PICview"), viewer);
    viewer->open(owner);
    return viewer;
}

void closePicture(AppContext& context)
{
    if (QWidget* viewer = context.windows.value(QStringLiteral("PICview")))
        viewer->close();
    context.state.testing.run.pictureViewerOpen = false;
}

void storeMark(AppContext& context)
{
    const WriteBackResult result = storeTestMark(context.state, context.data().file(datafiles::userBase()));
    if (result != WriteBackResult::Stored)
        showWarning(context, writeBackFailureText(result));
}

void writeLiveTestState(AppContext& context)
{
    const QString path = context.data().file(datafiles::liveTestState());
    if (!::writeLiveTestState(path, testrun::liveHeader(context.state), context.state.testing.run.questionNumber))
        qWarning() << "could not write" << path;
}

void writeAnswerLog(AppContext& context)
{
    const QString path = context.data().file(datafiles::answerLog());
    if (!::writeAnswerLog(path, testrun::liveHeader(context.state), context.state.testing.answerLog))
        qWarning() << "could not write" << path;
}

void showAnswer(QRadioButton* option, const QString& text)
{
    constexpr int kSmallestPoint = 7;
    const int room = option->width() - option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
                     - option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) - 6;
    QFont font = QApplication::font(option);
    while (font.pointSize() > kSmallestPoint && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSize(font.pointSize() - 1);
    option->setFont(font);
    option->setText(text);
}

} // namespace testwindows
