#include "shell/App.h"

namespace vokg {
App::App() = default;
}
