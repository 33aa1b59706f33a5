// The widget programs' precompiled header is built with this file; it holds
// nothing else.
