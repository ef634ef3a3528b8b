#include "platform/widgets/qt_font_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/widgets/colour_picker.h"
#include "platform/widgets/colour_value.h"

namespace ledgerleaf {

FontChoice QtFontDialog::choose(const FontChoice& preset) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("通用对话框"));
    dialog.setWindowTitle(QStringLiteral("字体"));

    auto* family = new QFontComboBox(&dialog);
    if (!preset.name.empty())
        family->setCurrentFont(QFont(QString::fromStdString(preset.name)));
    auto* size = new QSpinBox(&dialog);
    size->setRange(1, 400);
    size->setValue(preset.size > 0 ? preset.size : 9);
    auto* colour = new ColourPicker(&dialog);
    colour->setFixedSize(40, 18);
    colour->setColour(colourFromValue(preset.colour));
    auto* bold = new QCheckBox(QStringLiteral("加粗"), &dialog);
    bold->setChecked(preset.bold);
    auto* italic = new QCheckBox(QStringLiteral("倾斜"), &dialog);
    italic->setChecked(preset.italic);
    auto* underline = new QCheckBox(QStringLiteral("下划线"), &dialog);
    underline->setChecked(preset.underline);
    auto* strike = new QCheckBox(QStringLiteral("删除线"), &dialog);
    strike->setChecked(preset.strikeOut);
    auto* sample = new QLabel(QStringLiteral("日记 AaBb 123"), &dialog);
    sample->setMinimumHeight(48);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);

    const auto updateSample = [&] {
        QFont f = family->currentFont();
        f.setPointSize(size->value());
        f.setBold(bold->isChecked());
        f.setItalic(italic->isChecked());
        f.setUnderline(underline->isChecked());
        f.setStrikeOut(strike->isChecked());
        sample->setFont(f);
        QPalette pal = sample->palette();
        pal.setColor(QPalette::WindowText, colour->colour());
        sample->setPalette(pal);
    };
    QObject::connect(family, &QFontComboBox::currentFontChanged, &dialog, updateSample);
    QObject::connect(size, &QSpinBox::valueChanged, &dialog, updateSample);
    QObject::connect(colour, &ColourPicker::colourChosen, &dialog, updateSample);
    for (QCheckBox* box : {bold, italic, underline, strike})
        QObject::connect(box, &QCheckBox::toggled, &dialog, updateSample);
    updateSample();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("字体："), family);
    form->addRow(QStringLiteral("字号："), size);
    form->addRow(QStringLiteral("颜色："), colour);
    auto* effects = new QHBoxLayout;
    for (QCheckBox* box : {bold, italic, underline, strike})
        effects->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addLayout(effects);
    layout->addWidget(sample);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return preset;
    return FontChoice{family->currentFont().family().toStdString(),
                      size->value(),
                      colourValue(colour->colour()),
                      bold->isChecked(),
                      italic->isChecked(),
                      underline->isChecked(),
                      strike->isChecked()};
}

}  // namespace ledgerleaf
