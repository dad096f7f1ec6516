#include "support/GuiTestKit.h"

GuiTestKit::GuiTestKit()
{
    state.programFolder = data.programFolder();
    state.skinFolder = data.path(QStringLiteral("jpg/skin"));
    sounds = std::make_unique<SoundEffects>(data.path(QStringLiteral("wav")), state.soundOn);
    sounds->setAudioAvailable(false);
    sounds->setBeep([] {});
    context = std::make_unique<AppContext>(state, *sounds);
    context->runModal = [this](QDialog& dialog) {
        modalsShown.append(dialog.objectName());
        if (answers_.isEmpty())
            return static_cast<int>(QDialog::Accepted);
        const ModalAnswer answer = answers_.takeFirst();
        answer(dialog);
        return dialog.result();
    };
}

void clickOn(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}
