#include "app/frmUeberTolvar.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mdlHilfe.h"
#include "app/mdlUeberTolvar.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"

namespace tolvar {

namespace {

// The authors and the maker are invented.
constexpr const char* kAutoren[6] = {"Dr. Anna Beispiel", "Bernd Muster",    "Clara Exempel",
                                     "Dieter Probe",      "Eva Platzhalter", "Frank Vorlage"};

QLabel* MakePicture(QWidget* parent, const char* name, const char* file) {
  auto* label = ui::MakeLabel(parent, QLatin1String(name), QString());
  const QPixmap picture(ui::Q(sys::DataPath(std::string("\\Bilder\\") + file)));
  if (!picture.isNull()) label->setPixmap(picture);
  label->installEventFilter(parent);
  return label;
}

}  // namespace

frmUeberTolvar::frmUeberTolvar() : FormOf(QStringLiteral("frmUeberTolvar"), ui::FormKind::Dialog) {
  setCaption(QStringLiteral("Über Tolvar..."));
  setMouseTracking(true);

  auto* rahmen = new QFrame(this);
  rahmen->setObjectName(QStringLiteral("Frame1"));
  rahmen->setFrameShape(QFrame::Box);

  Label3 = ui::MakeLabel(rahmen, QStringLiteral("Label3"), QStringLiteral("Tolvar"));
  Label4 = ui::MakeLabel(rahmen, QStringLiteral("Label4"), QStringLiteral("Tolvar"));
  QFont gross = Label3->font();
  gross.setPointSize(gross.pointSize() * 2);
  gross.setBold(true);
  Label3->setFont(gross);
  Label4->setFont(gross);
  // The second name label lies under the first, offset, as its shadow.
  Label4->setStyleSheet(QStringLiteral("color: #9ab5a4;"));
  Label4->setContentsMargins(2, 2, 0, 0);
  Label3->setContentsMargins(0, 0, 2, 2);
  Label5 = ui::MakeLabel(rahmen, QStringLiteral("Label5"), QStringLiteral("Kostenkalkulation auf Basis von Morvin 5"));
  Label1 = ui::MakeLabel(rahmen, QStringLiteral("Label1"), QStringLiteral("Beispiel-Hochschule für Gartenbau"));
  Label2 =
      ui::MakeLabel(rahmen, QStringLiteral("Label2"), QStringLiteral("Institut für Betriebswirtschaft im Gartenbau"));
  lblAutorenVerzeichni = ui::MakeLabel(rahmen, QStringLiteral("lblAutorenVerzeichni"), QStringLiteral("Autoren:"));
  for (std::size_t i = 0; i < lblAutoren.size(); ++i) {
    lblAutoren[i] =
        ui::MakeLabel(rahmen, ui::ControlName(QStringLiteral("lblAutoren"), static_cast<int>(i)), ui::Q(kAutoren[i]));
  }
  lblInternet = ui::MakeLabel(rahmen, QStringLiteral("lblInternet"), QString::fromLatin1(mdlUeberTolvar::kHomepage));
  lblMail = ui::MakeLabel(rahmen, QStringLiteral("lblMail"),
                          QStringLiteral("MailTo: ") + QString::fromLatin1(mdlUeberTolvar::kAutorenMail));
  for (QLabel* link : {lblInternet, lblMail}) {
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setStyleSheet(QStringLiteral("color: #1f4e9d;"));
    link->installEventFilter(this);
  }
  Image1 = MakePicture(this, "Image1", "UeberTolvar1.png");
  Image2 = MakePicture(this, "Image2", "UeberTolvar2.png");

  cmbOK = ui::MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("OK"));
  cmbOK->setDefault(true);
  connect(cmbOK, &QPushButton::clicked, this, &frmUeberTolvar::cmbOK_Click);

  auto* text = new QVBoxLayout(rahmen);
  auto* name = new QGridLayout();
  name->addWidget(Label4, 0, 0);
  name->addWidget(Label3, 0, 0);
  text->addLayout(name);
  text->addWidget(Label5);
  text->addWidget(ui::MakeLine(rahmen, QStringLiteral("Line1")));
  text->addWidget(Label1);
  text->addWidget(Label2);
  text->addSpacing(8);
  text->addWidget(lblAutorenVerzeichni);
  auto* autoren = new QGridLayout();
  for (std::size_t i = 0; i < lblAutoren.size(); ++i) {
    autoren->addWidget(lblAutoren[i], static_cast<int>(i % 3), static_cast<int>(i / 3));
  }
  text->addLayout(autoren);
  text->addWidget(ui::MakeLine(rahmen, QStringLiteral("Line2")));
  text->addWidget(lblInternet);
  text->addWidget(lblMail);

  auto* bilder = new QVBoxLayout();
  bilder->addWidget(Image1);
  bilder->addWidget(Image2);
  bilder->addStretch(1);

  auto* oben = new QHBoxLayout();
  oben->addLayout(bilder);
  oben->addWidget(rahmen, 1);

  auto* unten = new QHBoxLayout();
  unten->addStretch(1);
  unten->addWidget(cmbOK);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addLayout(unten);
  setFixedSize(sizeHint());
}

void frmUeberTolvar::cmbOK_Click() { Unload(); }

void frmUeberTolvar::Image1_Click() { mdlUeberTolvar::InternetSeiteOeffnen(mdlUeberTolvar::kMorvinSeite); }

void frmUeberTolvar::Image2_Click() { mdlUeberTolvar::InternetSeiteOeffnen(mdlUeberTolvar::kHomepage); }

// Opens the address the label shows.
void frmUeberTolvar::lblInternet_Click() { mdlUeberTolvar::InternetSeiteOeffnen(ui::S(lblInternet->text())); }

void frmUeberTolvar::lblMail_Click() { mdlUeberTolvar::MailSchreiben(); }

void frmUeberTolvar::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("10");
}

void frmUeberTolvar::Form_MouseMove() { cmbOK->setFocus(); }

void frmUeberTolvar::mouseMoveEvent(QMouseEvent* event) {
  Form_MouseMove();
  FormOf::mouseMoveEvent(event);
}

bool frmUeberTolvar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == lblInternet)
      lblInternet_Click();
    else if (watched == lblMail)
      lblMail_Click();
    else if (watched == Image1)
      Image1_Click();
    else if (watched == Image2)
      Image2_Click();
  }
  return FormOf::eventFilter(watched, event);
}

}  // namespace tolvar
