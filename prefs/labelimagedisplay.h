#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

#include <functional>

class QMouseEvent;
class QShowEvent;

// A clickable picture: shows the report's footer logo and lets the examiner
// pick another image file by clicking anywhere on it. It only holds the path
// and the picture; storing the path is the owner's business.
class labelImageDisplay : public QLabel
{
    Q_OBJECT

public:
    // Asks for an image file; an empty result means the examiner cancelled.
    using FileChooser = std::function<QString(QWidget *parent)>;

    explicit labelImageDisplay(QWidget *parent = nullptr);

    // Shows the picture of the file at path without asking. A file that is not
    // a readable image still becomes the path and shows an empty picture. The
    // file is read when the picture is first shown or asked for, never while the
    // picker is hidden: the window sets it at start-up, and a path on a share that
    // does not answer must not hold the window back.
    void setImage(const QString &path);
    QString getImagePath() const { return imagePath; }
    QPixmap getImage() const;

    // Re-translates the prompt shown while no picture has been set.
    void retranslate();

    // Replaces the file dialog (tests supply the chosen file); an empty
    // function restores the dialog.
    static void setFileChooser(FileChooser chooser);

signals:
    void clicked();

public slots:
    void labelClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void readImage() const;

    QLabel *label;
    mutable QPixmap image;
    QString imagePath;
    bool pictureSet = false;
    mutable bool imageRead = true; // false while the file at imagePath waits to be read
};
