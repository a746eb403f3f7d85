// filled by the start-up work
