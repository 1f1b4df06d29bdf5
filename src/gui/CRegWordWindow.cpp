#include "gui/CRegWordWindow.h"

#include "core/commands/WordRegistration.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "gui/CEditorWnd.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

// A field of this window types transliteration and cannot be switched to
// direct Latin input.
void SignSettingOnly(CEditorWnd& field)
{
    field.modeData().alphabetMode = false;
    field.modeData().alphabetLock = true;
}

} // namespace

CRegWordWindow::CRegWordWindow(PlatformServices services, CFSignFont& signFont, CFWordDictionary& dictionary,
                               int width, int height)
    : CToolWindow(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Word registration"), width, height, services,
                  false)
    , dictionary_(dictionary)
{
    addLabel(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Alphabet word"), 10, 13);
    alphabetField_ = addWordField(10, 35, signFont, dictionary);
    addLabel(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Sign word"), 10, 133);
    signField_ = addWordField(10, 155, signFont, dictionary);
    SignSettingOnly(*alphabetField_);
    SignSettingOnly(*signField_);
    registerButton_ = addButton(QT_TRANSLATE_NOOP("velmora::CToolWindow", "Register"), width - 120, 275);
    // What was registered last, until the fields are edited again.
    noteLabel_ = new QLabel(this);
    noteLabel_->setObjectName(QStringLiteral("registeredNote"));
    noteLabel_->setTextFormat(Qt::PlainText);
    noteLabel_->setGeometry(10, 315, width - 30, 40);

    for (CEditorWnd* field : {alphabetField_, signField_}) {
        field->installEventFilter(this);
        field->viewport()->installEventFilter(this);
        connect(field, &CEditorWnd::edited, noteLabel_, &QLabel::clear);
    }
    connect(registerButton_, &QPushButton::clicked, this, [this] {
        RegisterWord();
        update();
    });
}

bool CRegWordWindow::RegisterWord()
{
    bool added = false;
    noteLabel_->clear();
    runCommand([&] {
        // A transliteration still pending (blue) counts as typed, and so
        // does a candidate on show in the "Sign word" field.
        const auto alphabet =
            FieldTextAsTyped(alphabetField_->modeData(), alphabetField_->modeCtrl().CurrentModeId(), false);
        const auto signs =
            FieldTextAsTyped(signField_->modeData(), signField_->modeCtrl().CurrentModeId(), true);
        added = velmora::RegisterWord(dictionary_, alphabet, signs, services().messages, &ownerWindow());
        if (added) {
            noteLabel_->setText(QString::fromStdString(RegisteredNote(alphabet, signs)));
            alphabetField_->NewDocument();
            signField_->NewDocument();
        }
    });
    return added;
}

CEditorWnd& CRegWordWindow::keyField()
{
    return activeField_ == 0 ? *alphabetField_ : *signField_;
}

bool CRegWordWindow::isTab(const QKeyEvent& event)
{
    const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return plain && (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab);
}

void CRegWordWindow::switchField(QKeyEvent* tab)
{
    activeField_ = activeField_ == 0 ? 1 : 0;
    CEditorWnd& field = keyField();
    field.setFocus(Qt::TabFocusReason);
    field.handleKeyPress(tab);
    update();
}

void CRegWordWindow::keyPressEvent(QKeyEvent* event)
{
    if (!isTab(*event)) {
        CToolWindow::keyPressEvent(event);
        return;
    }
    switchField(event);
    event->accept();
}

bool CRegWordWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isTab(*static_cast<QKeyEvent*>(event))) {
        switchField(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == alphabetField_ || watched == alphabetField_->viewport())
            activeField_ = 0;
        else if (watched == signField_ || watched == signField_->viewport())
            activeField_ = 1;
        update();
    }
    return CToolWindow::eventFilter(watched, event);
}

} // namespace velmora
