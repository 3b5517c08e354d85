#include "labelimagedisplay.h"

#include "logoimage.h"

#include <QFileDialog>
#include <QImage>
#include <QMouseEvent>

namespace {

labelImageDisplay::FileChooser &fileChooser()
{
    static labelImageDisplay::FileChooser chooser;
    return chooser;
}

constexpr int Side = 100;
// The picker only ever shows a 100 x 100 square: a huge file is decoded at a
// reduced size instead of allocating its full pixel count.
constexpr int LargestSide = 4096;

QImage imageAt(const QString &path)
{
    if (path.isEmpty())
        return {};
    return LogoImage::read(path, QSize(LargestSide, LargestSide), LogoImage::ShrinkOnly);
}

} // namespace

labelImageDisplay::labelImageDisplay(QWidget *parent) : QLabel(parent), label(new QLabel(this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("labelImageDisplay"));
    resize(Side, Side);
    setMinimumSize(Side, Side);

    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(0, 0, Side, Side);
    label->setScaledContents(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(true);
    retranslate();

    connect(this, &labelImageDisplay::clicked, this, &labelImageDisplay::labelClicked);
}

void labelImageDisplay::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

void labelImageDisplay::retranslate()
{
    if (!pictureSet)
        label->setText(tr("Select Logo Image"));
}

void labelImageDisplay::setImage(const QString &path)
{
    imagePath = path;
    pictureSet = true;
    image = QPixmap();
    label->setPixmap(image);
    imageRead = false;
    if (isVisible())
        readImage();
}

QPixmap labelImageDisplay::getImage() const
{
    readImage();
    return image;
}

void labelImageDisplay::readImage() const
{
    if (imageRead)
        return;
    imageRead = true;
    image = QPixmap::fromImage(imageAt(imagePath));
    label->setPixmap(image);
}

void labelImageDisplay::showEvent(QShowEvent *event)
{
    readImage();
    QLabel::showEvent(event);
}

void labelImageDisplay::labelClicked()
{
    const QString fileName =
        fileChooser() ? fileChooser()(this)
                      : QFileDialog::getOpenFileName(this, tr("Open File"), QString(), QString());
    if (fileName.isEmpty())
        return;
    setImage(fileName);
}

void labelImageDisplay::mousePressEvent(QMouseEvent *event)
{
    // Any button chooses; the press is not handed on to the label.
    event->accept();
    emit clicked();
}
