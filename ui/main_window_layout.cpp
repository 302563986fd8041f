// The window's layout: every control with its place, caption, font, colours,
// selection, visibility and tab index. Within each container the controls are
// created back to front, so that the later ones cover the earlier ones:
// labels, lines, shapes and the picture first, in their own order, then the
// text boxes, buttons and frames, which always stand above them.

#include <QApplication>
#include <QIcon>
#include <QLabel>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "ui/command_button.h"
#include "ui/drawing.h"
#include "ui/file_icon.h"
#include "ui/fonts.h"
#include "ui/group_frame.h"
#include "ui/main_window.h"
#include "ui/stretched_picture.h"
#include "ui/twips.h"

namespace cnc::ui {

namespace {

const QColor kLightGreen(192, 255, 192);
const QColor kLightYellow(255, 255, 192);
const QColor kLightCyan(192, 255, 255);
const QColor kLightMagenta(255, 192, 255);
const QColor kSalmon(255, 128, 128);
const QColor kPeriwinkle(128, 128, 255);
const QColor kLavender(192, 192, 255);
const QColor kBlue(0, 0, 255);
const QColor kDarkGreen(0, 128, 0);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kDarkGrey(64, 64, 64);
const QColor kBlack(0, 0, 0);

// How a label or a text box looks; what is left out is the window's.
struct Look {
    std::optional<QFont> font = std::nullopt;
    std::optional<QColor> text = std::nullopt;
    std::optional<QColor> background = std::nullopt;  // labels only; else transparent
    bool centred = false;
};

// The controls that take the focus, with their tab indexes.
using TabStops = std::vector<std::pair<int, QWidget*>>;

void place(QWidget& widget, const char* name, const QRect& rect) {
    widget.setObjectName(QString::fromUtf8(name));
    widget.setGeometry(rect);
}

void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(role, colour);
    widget.setPalette(colours);
}

// Fills with the widget's background role, which for buttons is Button.
void setBackground(QWidget& widget, const QColor& colour) {
    setColour(widget, widget.backgroundRole(), colour);
    widget.setAutoFillBackground(true);
}

QLabel* addLabel(QWidget* parent, const char* name, const QRect& rect, const char* caption,
                 const Look& look = {}) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    place(*label, name, rect);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (look.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    if (look.font) label->setFont(*look.font);
    if (look.text) setColour(*label, QPalette::WindowText, *look.text);
    if (look.background) setBackground(*label, *look.background);
    return label;
}

QLineEdit* addTextBox(QWidget* parent, Field field, const QRect& rect, int tabIndex,
                      TabStops& tabStops, const Look& look = {}) {
    auto* box = new QLineEdit(QString::fromUtf8(initialText(field)), parent);
    const QByteArray name = "Text" + QByteArray::number(static_cast<int>(field) + 1);
    place(*box, name.constData(), rect);
    box->setAccessibleName(QString::fromUtf8(fieldCaption(field)));
    box->setAlignment(look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (look.font) box->setFont(*look.font);
    if (look.text) setColour(*box, QPalette::Text, *look.text);
    tabStops.emplace_back(tabIndex, box);
    return box;
}

QRadioButton* addOption(QWidget* parent, const char* name, const QRect& rect, const char* caption,
                        const QColor& background, int tabIndex, TabStops& tabStops) {
    auto* option = new QRadioButton(QString::fromUtf8(caption), parent);
    place(*option, name, rect);
    setBackground(*option, background);
    tabStops.emplace_back(tabIndex, option);
    return option;
}

CommandButton* addButton(QWidget* parent, const char* name, const QRect& rect, const char* caption,
                         const QColor& face, int tabIndex, TabStops& tabStops) {
    auto* button = new CommandButton(QString::fromUtf8(caption), face, parent);
    place(*button, name, rect);
    tabStops.emplace_back(tabIndex, button);
    return button;
}

GroupFrame* addFrame(QWidget* parent, const char* name, const QRect& rect, const char* caption,
                     const QColor& background) {
    auto* frame = new GroupFrame(QString::fromUtf8(caption), background, parent);
    place(*frame, name, rect);
    return frame;
}

void addLine(QWidget* parent, const char* name, QPoint from, QPoint to, int width,
             const QColor& colour) {
    auto* line = new LineControl(from, to, width, colour, parent);
    line->setObjectName(QString::fromUtf8(name));
}

void addCircle(QWidget* parent, const char* name, const QRect& box, const QColor& fill,
               const QColor& outline) {
    auto* shape = new CircleShape(box, fill, outline, parent);
    shape->setObjectName(QString::fromUtf8(name));
}

// Tab stops at the selected button of an option group only, and the arrow
// keys move within the group. Qt sets this up only when a button of the group
// takes the focus, so here it also follows every change of selection, however
// it came (a click, a key, an assistive technology's toggle).
void tabToSelectedOnly(const std::vector<QRadioButton*>& group) {
    auto follow = [group] {
        for (QRadioButton* option : group) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QRadioButton* option : group) QObject::connect(option, &QRadioButton::toggled, follow);
    follow();
}

// The sizes a window manager draws a window's own icon at: title bar, task
// bar, window switcher. Larger pictures of the program come from the icon
// theme through the desktop entry. Handing the window 128 and 256 pixels as
// well meant decoding them and sending a third of a megabyte to the X server
// before the first frame, some 4 ms of its start-up.
QIcon programIcon() {
    std::vector<std::pair<QSize, QString>> files;
    for (int size : {16, 24, 32, 48, 64}) {
        files.emplace_back(QSize(size, size), QStringLiteral(":/cnc-axis-calc-%1.png").arg(size));
    }
    return iconFromFiles(std::move(files));
}

}  // namespace

void MainWindow::buildLayout() {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Menu' principale"));
    setWindowIcon(programIcon());
    setBackground(*this, kLightGreen);
    setFont(windowFont());
    // The restored size. The controls reach beyond it and are cut off there:
    // there is no layout, so resizing moves and scales nothing.
    resize(px(4680), px(3195));

    TabStops tabStops;
    auto text = [this](Field field) -> QLineEdit*& {
        return texts_.at(static_cast<std::size_t>(field));
    };

    // The window: graphic controls, back to front.
    addLabel(this, "Label1(0)", twipsRect(240, 360, 2055, 255), "Passi del motore",
             {.font = layoutFont(9.75)});
    addLabel(this, "Label1(1)", twipsRect(3000, 360, 2295, 255), "Passo della vite (mm)",
             {.font = layoutFont(9.75)});
    // Stretched, proportions not kept. ui/CMakeLists.txt resamples the image
    // ahead of time for this rectangle: keep the two in step.
    auto* picture = new StretchedPicture(QStringLiteral(":/motor-and-screw"),
                                         twipsRect(5640, 120, 1185, 825), this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setAccessibleName(QStringLiteral("Motore passo-passo e vite"));
    // The contact lines are placeholders until there is a real address.
    addLabel(this, "Label3", twipsRect(7200, 120, 1575, 255), "(indirizzo web)",
             {.font = layoutFont(8.25), .text = kBlue});
    addLabel(this, "Label7", twipsRect(7200, 360, 1935, 255), "(numero di telefono)",
             {.text = kBlue, .background = QApplication::palette().color(QPalette::Window)});

    // The window: text boxes, buttons and frames, back to front.
    text(Field::MotorSteps) = addTextBox(this, Field::MotorSteps, twipsRect(120, 720, 1935, 495), 0, tabStops,
                                    {.font = layoutFont(13.5), .text = kBlue, .centred = true});

    auto* frame1 = addFrame(this, "Frame1", twipsRect(120, 1320, 2175, 1575), "Settaggio scheda",
                            kLightYellow);
    stepping_[kHalfStep] = addOption(frame1, "Option1(0)", twipsRect(240, 480, 1455, 255),
                                     "Mezzo passo", kLightYellow, 3, tabStops);
    stepping_[kFullStep] = addOption(frame1, "Option1(1)", twipsRect(240, 960, 1455, 255),
                                     "Passo intero", kLightYellow, 4, tabStops);

    auto* frame2 = addFrame(this, "Frame2", twipsRect(2760, 1320, 3255, 1575),
                            "Tipo di accoppiamento", kLightCyan);
    coupling_[kDirectCoupling] = addOption(frame2, "Option2(0)", twipsRect(120, 360, 2175, 255),
                                           "Accoppiamento diretto", kLightCyan, 6, tabStops);
    coupling_[kBeltCoupling] = addOption(frame2, "Option2(1)", twipsRect(120, 720, 2775, 255),
                                         "Accoppiamento con ingranaggi", kLightCyan, 7, tabStops);

    text(Field::ScrewPitch) = addTextBox(this, Field::ScrewPitch, twipsRect(2880, 600, 2415, 420), 8,
                                    tabStops, {.font = layoutFont(12), .centred = true});
    auto* calcola = addButton(this, "Command1", twipsRect(360, 5520, 1455, 495), "calcola",
                              kPeriwinkle, 10, tabStops);

    // The results group "Risultati".
    auto* frame3 = addFrame(this, "Frame3", twipsRect(120, 3120, 5895, 2055), "Risultati", kSalmon);
    addLabel(frame3, "Label2(0)", twipsRect(240, 240, 1935, 615), "Step/mm",
             {.font = layoutFont(12), .text = kBlue, .background = kLightYellow, .centred = true});
    addLabel(frame3, "Label2(1)", twipsRect(240, 1080, 1935, 255), "Risoluzione del passo (mm)",
             {.background = kLightYellow});
    auto* cncHint = addLabel(frame3, "Label8", twipsRect(4560, 240, 1215, 615),
                             "Valore da inserire nel software CNC",
                             {.background = kLightYellow, .centred = true});
    addLabel(frame3, "Label2(2)", twipsRect(240, 1680, 1935, 255), "Interasse",
             {.background = kLightYellow});
    text(Field::StepsPerMm) = addTextBox(frame3, Field::StepsPerMm, twipsRect(2280, 240, 2175, 735), 12,
                                    tabStops, {.font = layoutFont(13.5), .text = kBlue});
    text(Field::StepsPerMm)->setAccessibleDescription(cncHint->text());
    text(Field::MmPerStep) = addTextBox(frame3, Field::MmPerStep, twipsRect(2280, 1080, 2175, 375), 14,
                                    tabStops, {.font = layoutFont(8.25), .text = kDarkGreen});
    text(Field::CentreDistanceMm) = addTextBox(frame3, Field::CentreDistanceMm, twipsRect(2280, 1560, 2055, 405), 34,
                                    tabStops, {.font = layoutFont(9.75), .centred = true});

    // The belt group "Ingranaggi" and its drawing: graphic controls, back to front.
    auto* frame4 =
        addFrame(this, "Frame4", twipsRect(6120, 1080, 3615, 2535), "Ingranaggi", kLightMagenta);
    addLabel(frame4, "Label4", twipsRect(120, 240, 855, 255), "XL037",
             {.font = layoutFont(9.75), .text = kBlue});
    addCircle(frame4, "Shape1", twipsRect(0, 720, 1335, 855), kLightYellow, kBlack);
    addCircle(frame4, "Shape2", twipsRect(1920, 480, 1455, 1335), kRed, kDarkGrey);
    addLine(frame4, "Line1", twipsPoint(600, 1560), twipsPoint(2640, 1800), 2, kBlack);
    addLine(frame4, "Line2", twipsPoint(720, 720), twipsPoint(2520, 480), 2, kBlack);
    addLabel(frame4, "Label5", twipsRect(360, 1200, 615, 255), "Motore");
    addLabel(frame4, "Label6", twipsRect(2520, 1200, 375, 255), "Vite");
    addLine(frame4, "Line3", twipsPoint(600, 1080), twipsPoint(2640, 1080), 3, kBlue);
    addLine(frame4, "Line4", twipsPoint(600, 1080), twipsPoint(840, 960), 1, kBlack);
    addLine(frame4, "Line5", twipsPoint(600, 1080), twipsPoint(840, 1200), 1, kBlack);
    addLine(frame4, "Line6", twipsPoint(2640, 1080), twipsPoint(2400, 960), 1, kBlack);
    addLine(frame4, "Line7", twipsPoint(2640, 1080), twipsPoint(2400, 1200), 1, kBlack);
    addLabel(frame4, "Label9", twipsRect(1080, 1200, 1215, 255), "INTERASSE",
             {.background = kGreen, .centred = true});
    addLabel(frame4, "Label10", twipsRect(2160, 120, 495, 255), "Cinta",
             {.background = kLightMagenta});
    // ... and its text boxes, back to front.
    text(Field::MotorTeeth) = addTextBox(frame4, Field::MotorTeeth, twipsRect(240, 1800, 735, 375), 17,
                                    tabStops, {.centred = true});
    text(Field::ScrewTeeth) = addTextBox(frame4, Field::ScrewTeeth, twipsRect(2280, 1800, 735, 375), 18,
                                    tabStops, {.centred = true});
    text(Field::CentreDistance) = addTextBox(frame4, Field::CentreDistance, twipsRect(1080, 720, 1215, 285), 32,
                                    tabStops, {.centred = true});
    text(Field::CentreDistance)->setReadOnly(true);  // written by the calculation only
    text(Field::BeltLengthCode) = addTextBox(frame4, Field::BeltLengthCode, twipsRect(1080, 120, 1095, 285), 35,
                                    tabStops, {.centred = true});

    auto* fineLavoro = addButton(this, "Command2", twipsRect(2280, 5520, 1695, 495), "Fine lavoro",
                                 kLavender, 22, tabStops);

    // The belt-type group "Tipo ingranaggio": shown and selected, read by nothing.
    auto* frame5 =
        addFrame(this, "Frame5", twipsRect(6120, 3720, 3615, 1455), "Tipo ingranaggio", kLightCyan);
    const std::vector<QRadioButton*> beltTypes = {
        addOption(frame5, "Option3(0)", twipsRect(120, 240, 3135, 255),
                  "XL (EXTRA LEGGERA) P.5.08mm", kLightCyan, 27, tabStops),
        addOption(frame5, "Option3(1)", twipsRect(120, 480, 2895, 255), "L (LEGGERA) P.9,525mm",
                  kLightCyan, 28, tabStops),
        addOption(frame5, "Option3(2)", twipsRect(120, 720, 2775, 255), "H (PESANTE) P. 12,7mm",
                  kLightCyan, 29, tabStops),
        addOption(frame5, "Option3(3)", twipsRect(120, 960, 3135, 255),
                  "XH (EXTRA PESANTE) P. 22,225mm", kLightCyan, 30, tabStops),
    };

    // Selections, visibility and focus at start.
    stepping_[kInitialStepping]->setChecked(true);
    coupling_[kInitialCoupling]->setChecked(true);
    beltTypes.front()->setChecked(true);
    tabToSelectedOnly({stepping_.begin(), stepping_.end()});
    tabToSelectedOnly({coupling_.begin(), coupling_.end()});
    tabToSelectedOnly(beltTypes);
    beltGroup_ = frame4;
    beltTypeGroup_ = frame5;
    beltGroup_->hide();
    beltTypeGroup_->hide();

    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
    text(Field::MotorSteps)->setFocus();

    // The events that run code. An option button's Click comes with every
    // change of selection, so the coupling follows `toggled`, not mouse clicks.
    connect(calcola, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(fineLavoro, &QPushButton::clicked, this, [this] { Command2_Click(); });
    for (int index : {kDirectCoupling, kBeltCoupling}) {
        connect(coupling_[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
                [this, index](bool selected) {
                    if (selected) Option2_Click(index);
                });
    }
}

}  // namespace cnc::ui
