#include "gui/CSignInfoWindow.h"

#include "qt/QtText.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace velmora {

namespace {

QString Joined(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list << FromUtf8(text);
    return list.join(QLatin1Char(' '));
}

QLabel* TextLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CSignInfoWindow::CSignInfoWindow(QWidget* parent)
    : QDialog(parent)
    , glyph_(new QLabel(this))
    , nameCaption_(new QLabel(this))
    , name_(TextLabel(this, "name"))
    , typedCaption_(new QLabel(this))
    , typed_(TextLabel(this, "typed"))
    , readingsCaption_(new QLabel(this))
    , readings_(TextLabel(this, "readings"))
    , namesCaption_(new QLabel(this))
    , names_(TextLabel(this, "names"))
{
    setObjectName(QStringLiteral("signInformation"));
    setModal(false);
    glyph_->setObjectName(QStringLiteral("glyph"));
    glyph_->setTextFormat(Qt::PlainText);
    glyph_->setAlignment(Qt::AlignCenter);
    glyph_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(nameCaption_, name_);
    form->addRow(typedCaption_, typed_);
    form->addRow(readingsCaption_, readings_);
    form->addRow(namesCaption_, names_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(glyph_);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    retranslate();
}

void CSignInfoWindow::showSign(const SignInformation& sign, const QFont& signFont)
{
    sign_ = sign;
    QFont large = signFont;
    large.setPixelSize(64);
    glyph_->setFont(large);
    fill();
    show();
    raise();
    activateWindow();
}

void CSignInfoWindow::fill()
{
    if (!sign_)
        return;
    glyph_->setText(FromUtf8(sign_->Glyph()));
    name_->setText(FromUtf8(sign_->name + "  " + sign_->CodePoint()));
    // A sign from a text file or another program was typed as nothing.
    typed_->setText(sign_->reading.empty() ? QStringLiteral("—") : FromUtf8(sign_->reading));
    readings_->setText(Joined(sign_->values));
    names_->setText(Joined(sign_->names));
}

void CSignInfoWindow::retranslate()
{
    setWindowTitle(tr(kSignInfoCaption));
    nameCaption_->setText(tr(kSignInfoName));
    typedCaption_->setText(tr(kSignInfoTyped));
    readingsCaption_->setText(tr(kSignInfoReadings));
    namesCaption_->setText(tr(kSignInfoNames));
    fill();
}

void CSignInfoWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

} // namespace velmora
