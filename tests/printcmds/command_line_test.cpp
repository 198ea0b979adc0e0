// The label origin that the command line shares with the editor.
#include "tests/editor/editor_fixture.h"

namespace {

TEST_F(EditorTest, LabelSurfaceStandsAtTheOriginThatTheCommandLineUses)
{
    start();
    EXPECT_EQ(window->labelSurfaceControl()->pos(), MainWindow::labelOrigin());
    EXPECT_EQ(MainWindow::labelOrigin(), QPoint(24, toolBarHeight() + 24));
}

} // namespace
