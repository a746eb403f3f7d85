#pragma once

namespace vokg {

// Placeholder until the start-up code lands.
class App {
public:
    App();
};

} // namespace vokg
