#pragma once

namespace hlpkit {
class CMethod;
}

namespace vokg {

class Messenger;

// What every model object needs of the program: the error log and the message boxes.
struct ModelContext {
    hlpkit::CMethod& method;
    Messenger& messenger;
};

// Which open the shell is running; the header read consults it.
struct OpeningState {
    bool openingUser = false;
    bool openingComparison = false;
};

} // namespace vokg
