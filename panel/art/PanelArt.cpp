#include "PanelArt.h"

#include <QIcon>
#include <QtGlobal>

// A library's resources are not registered by themselves when it is linked
// statically; this call pulls them in and registers them.
static void registerArtResources() {
    Q_INIT_RESOURCE(art);
}

void initPanelArt() {
    static const bool registered = (registerArtResources(), true);
    (void)registered;
}

QIcon panelIcon() {
    initPanelArt();
    return QIcon(QStringLiteral(":/art/icon.ico"));
}
