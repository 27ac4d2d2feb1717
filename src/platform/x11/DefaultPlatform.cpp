#include "platform/DefaultPlatform.h"

#include "platform/x11/X11Platform.h"

namespace tavrin {

std::unique_ptr<Platform> createDefaultPlatform()
{
    return createX11Platform();
}

}  // namespace tavrin
