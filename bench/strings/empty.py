# start-up of the runtime
